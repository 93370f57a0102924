#include "app/window_combo_box.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <algorithm>

#include "app/application.h"
#include "app/scaled_view.h"

namespace vaporin {

namespace {
// What a screen reader finds of the box: named by its caption (Qt names a list by the entry it
// shows, on Linux), its value the entry shown, and the action that opens its list.
class ComboAccessible final : public QAccessibleWidget {
 public:
  explicit ComboAccessible(WindowComboBox* combo)
      : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction()) {
      Combo()->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  WindowComboBox* Combo() const { return static_cast<WindowComboBox*>(widget()); }
};
}  // namespace

WindowComboBox::WindowComboBox(QWidget* parent) : QComboBox(parent) {
  QAccessible::registerAccessibleInterface(new ComboAccessible(this));
}

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
