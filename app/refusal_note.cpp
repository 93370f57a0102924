#include "app/refusal_note.h"

#include <QAccessible>
#include <QLineEdit>

#include "app/pixel_font.h"

namespace vaporin {

namespace {
constexpr int NoteTextSize = 14;
constexpr int NoteMargin = 14;  // from the parent's sides, as its rows are
constexpr int NotePadding = 4;
const QColor NoteText(0x9b, 0x1c, 0x1c);
const QColor NoteBackground(0xfd, 0xec, 0xea);
}  // namespace

RefusalNote::RefusalNote(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("LRefusal"));
  setFont(PixelFont(NoteTextSize));
  setWordWrap(true);
  setMargin(NotePadding);
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, NoteText);
  palette.setColor(QPalette::Window, NoteBackground);
  setPalette(palette);
  hide();
}

void RefusalNote::ShowUnder(QWidget* box, const QString& text) {
  Withdraw();
  box_ = box;
  setText(text);
  const int width = parentWidget()->width() - 2 * NoteMargin;
  const QPoint below = box->mapTo(parentWidget(), QPoint(0, box->height()));
  setGeometry(NoteMargin, below.y(), width, heightForWidth(width));
  show();
  raise();
  box->setAccessibleDescription(text);
  box->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void RefusalNote::Withdraw() {
  if (box_ != nullptr) box_->setAccessibleDescription(QString());
  box_ = nullptr;
  hide();
}

}  // namespace vaporin
