#include "app/window_combo_box.h"

#include <QMenu>
#include <algorithm>

#include "app/application.h"
#include "app/scaled_view.h"

namespace vaporin {

WindowComboBox::WindowComboBox(QWidget* parent) : QComboBox(parent) {}

void WindowComboBox::showPopup() {
  hidePopup();
  // A window of its own: parented to the view's window, not to the scaled content.
  list_ = new QMenu(PopupParentFor(this));
  list_->setAttribute(Qt::WA_DeleteOnClose);
  list_->setFont(PopupFontFor(this));
  for (int i = 0; i < count(); ++i) {
    QAction* entry = list_->addAction(itemText(i));
    entry->setCheckable(true);
    entry->setChecked(i == currentIndex());
    ConnectGuarded(entry, &QAction::triggered, this, [this, i] { setCurrentIndex(i); });
  }
  connect(list_, &QObject::destroyed, this, [this] { list_ = nullptr; });
  list_->popup(ScreenPoint(this, rect().bottomLeft()));
}

void WindowComboBox::hidePopup() {
  if (list_ != nullptr) list_->close();
  QComboBox::hidePopup();
}

}  // namespace vaporin
