#include "app/window_combo_box.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QMenu>
#include <algorithm>

#include "app/application.h"

namespace vaporin {

namespace {
// The view that shows a widget of the scaled content, and where on the screen a point of the
// widget lies; the widget itself when it is not in a scene.
QPoint OnScreen(const QWidget* widget, const QPoint& point, QGraphicsView** view) {
  const QWidget* top = widget;
  while (top->parentWidget() != nullptr) top = top->parentWidget();
  QGraphicsProxyWidget* proxy = top->graphicsProxyWidget();
  if (proxy == nullptr || proxy->scene() == nullptr || proxy->scene()->views().isEmpty()) {
    *view = nullptr;
    return widget->mapToGlobal(point);
  }
  *view = proxy->scene()->views().front();
  const QPointF inScene = proxy->mapToScene(QPointF(widget->mapTo(top, point)));
  return (*view)->viewport()->mapToGlobal((*view)->mapFromScene(inScene));
}
}  // namespace

WindowComboBox::WindowComboBox(QWidget* parent) : QComboBox(parent) {}

void WindowComboBox::showPopup() {
  hidePopup();
  QGraphicsView* view = nullptr;
  const QPoint below = OnScreen(this, rect().bottomLeft(), &view);
  // A window of its own: parented to the view's window, not to the scaled content.
  list_ = new QMenu(view != nullptr ? view->window() : this);
  list_->setAttribute(Qt::WA_DeleteOnClose);
  QFont font = this->font();
  if (view != nullptr) {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * view->transform().m22())));
  }
  list_->setFont(font);
  for (int i = 0; i < count(); ++i) {
    QAction* entry = list_->addAction(itemText(i));
    entry->setCheckable(true);
    entry->setChecked(i == currentIndex());
    ConnectGuarded(entry, &QAction::triggered, this, [this, i] { setCurrentIndex(i); });
  }
  connect(list_, &QObject::destroyed, this, [this] { list_ = nullptr; });
  list_->popup(below);
}

void WindowComboBox::hidePopup() {
  if (list_ != nullptr) list_->close();
  QComboBox::hidePopup();
}

}  // namespace vaporin
