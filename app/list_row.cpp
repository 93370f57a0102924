#include "app/list_row.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

namespace vaporin {

namespace {
const QColor RowColour(0xff, 0xff, 0xff);
const QColor RuleColour(0xdd, 0xe3, 0xe9);
}  // namespace

ListRow::ListRow(const QString& objectName, const QString& text, QWidget* parent)
    : QFrame(parent), title_(new QLabel(text, this)) {
  setObjectName(objectName);
  title_->setObjectName(objectName + QStringLiteral("Title"));
  title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  title_->setTextFormat(Qt::PlainText);
}

QString ListRow::Text() const { return title_->text(); }

void ListRow::SetText(const QString& text) { title_->setText(text); }

void ListRow::AnchorRight(QWidget* child, int margin) {
  anchors_.push_back({child, margin});
  Place(anchors_.back());
}

void ListRow::AnchorCentre(QWidget* child) {
  anchors_.push_back({child, -1});
  Place(anchors_.back());
}

void ListRow::Place(const Anchor& anchor) {
  QWidget* child = anchor.Child;
  if (anchor.RightMargin < 0) {
    child->move((width() - child->width()) / 2, (height() - child->height()) / 2);
  } else {
    child->move(width() - anchor.RightMargin - child->width(), child->y());
  }
}

void ListRow::SetBoxed(bool boxed) {
  boxed_ = boxed;
  update();
}

void ListRow::paintEvent(QPaintEvent* event) {
  if (!boxed_) {
    QFrame::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.fillRect(rect(), RowColour);
  painter.fillRect(QRect(0, height() - 1, width(), 1), RuleColour);
}

void ListRow::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() == QEvent::FontChange) title_->setFont(font());
}

void ListRow::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  // The title may run under the edit box, which is drawn on top of it.
  title_->setGeometry(0, 0, event->size().width(), event->size().height());
  for (const Anchor& anchor : anchors_) Place(anchor);
}

}  // namespace vaporin
