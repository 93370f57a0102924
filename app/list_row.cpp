#include "app/list_row.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "app/text_fit.h"

namespace vaporin {

namespace {
constexpr int TitleGap = 3;  // between the title and the row's first control
const QColor RowColour(0xff, 0xff, 0xff);
const QColor RuleColour(0xdd, 0xe3, 0xe9);
}  // namespace

ListRow::ListRow(const QString& objectName, const QString& text, QWidget* parent)
    : QFrame(parent), title_(new QLabel(text, this)), text_(text) {
  setObjectName(objectName);
  title_->setObjectName(objectName + QStringLiteral("Title"));
  title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  title_->setTextFormat(Qt::PlainText);
}

QString ListRow::Text() const { return text_; }

void ListRow::SetText(const QString& text) {
  text_ = text;
  FitTitle();
}

void ListRow::FitTitle() {
  // The title's space ends where the first control of the row begins.
  int available = width();
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    // Rules (one unit high) and the never-seen focus target are no controls.
    if (child != title_ && child->width() > 1 && child->height() > 1) {
      available = std::min(available, child->x());
    }
  }
  available = std::max(1, available - TitleGap);
  QFont font = this->font();
  const int designed =
      titleSizeCap_ > 0 ? std::min(font.pixelSize(), titleSizeCap_) : font.pixelSize();
  const TextFit fit = FitText(designed, available, [&](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).horizontalAdvance(text_);
  });
  font.setPixelSize(fit.PixelSize);
  title_->setFont(font);
  title_->setGeometry(0, 0, available, height());
  if (fit.Elide) {
    title_->setText(QFontMetrics(font).elidedText(text_, Qt::ElideRight, available));
    title_->setToolTip(QStringLiteral("<p>%1</p>%2").arg(text_.toHtmlEscaped(), toolTip()));
  } else {
    title_->setText(text_);
    title_->setToolTip(QString());
  }
}

void ListRow::LabelFor(QWidget* control) { title_->setBuddy(control); }

int ListRow::TitlePixelSize() const { return title_->font().pixelSize(); }

void ListRow::SetTitleSizeCap(int pixels) {
  titleSizeCap_ = pixels;
  FitTitle();
}

void FitTitlesTogether(const std::vector<ListRow*>& rows) {
  int common = 0;
  for (ListRow* row : rows) {
    row->SetTitleSizeCap(0);
    common = common == 0 ? row->TitlePixelSize() : std::min(common, row->TitlePixelSize());
  }
  for (ListRow* row : rows) row->SetTitleSizeCap(common);
}

bool ListRow::event(QEvent* event) {
  const bool handled = QFrame::event(event);
  if (event->type() == QEvent::ToolTipChange) FitTitle();
  return handled;
}

void ListRow::AnchorRight(QWidget* child, int margin) {
  anchors_.push_back({child, margin});
  Place(anchors_.back());
  FitTitle();
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
  if (event->type() == QEvent::FontChange) FitTitle();
}

void ListRow::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  for (const Anchor& anchor : anchors_) Place(anchor);
  FitTitle();
}

}  // namespace vaporin
