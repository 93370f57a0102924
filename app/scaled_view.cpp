#include "app/scaled_view.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/accessible_tree.h"

namespace vaporin {

ScaledView::ScaledView(QWidget* parent) : QGraphicsView(parent) {
  setScene(new QGraphicsScene(this));
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Scaled by one factor, the content leaves space on one axis: it sits in the middle.
  setAlignment(Qt::AlignCenter);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                 QPainter::SmoothPixmapTransform);
  setBackgroundRole(QPalette::Window);
}

void ScaledView::SetReferenceSize(const QSize& size) {
  referenceSize_ = size;
  scene()->setSceneRect(0, 0, size.width(), size.height());
  if (proxy_ != nullptr) proxy_->widget()->resize(size);
  UpdateScale();
}

void ScaledView::SetContent(QWidget* content) {
  content->setParent(nullptr);
  proxy_ = scene()->addWidget(content);
  // The space beside the content is the content's own background.
  setBackgroundBrush(content->palette().color(QPalette::Window));
  ExposeContentOf(this, content);
  if (!referenceSize_.isEmpty()) content->resize(referenceSize_);
  UpdateScale();
}

QWidget* ScaledView::Content() const { return proxy_ != nullptr ? proxy_->widget() : nullptr; }

void ScaledView::SetScaledGeometry(float left, float top, float width, float height) {
  exactSize_ = QSizeF(width, height);
  setGeometry(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
              static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
  UpdateScale();
}

void ScaledView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  // A size set by a layout rather than SetScaledGeometry is taken as it is.
  if (std::ceil(exactSize_.width()) != event->size().width() ||
      std::ceil(exactSize_.height()) != event->size().height()) {
    exactSize_ = event->size();
  }
  UpdateScale();
}

void ScaledView::wheelEvent(QWheelEvent* event) { event->ignore(); }

QPoint ScreenPoint(const QWidget* widget, const QPoint& point, QGraphicsView** view) {
  const QWidget* top = widget;
  while (top->parentWidget() != nullptr) top = top->parentWidget();
  QGraphicsProxyWidget* proxy = top->graphicsProxyWidget();
  QGraphicsView* shownBy =
      proxy != nullptr && proxy->scene() != nullptr && !proxy->scene()->views().isEmpty()
          ? proxy->scene()->views().front()
          : nullptr;
  if (view != nullptr) *view = shownBy;
  if (shownBy == nullptr) return widget->mapToGlobal(point);
  const QPointF inScene = proxy->mapToScene(QPointF(widget->mapTo(top, point)));
  return shownBy->viewport()->mapToGlobal(shownBy->mapFromScene(inScene));
}

QWidget* PopupParentFor(const QWidget* widget) {
  QGraphicsView* view = nullptr;
  ScreenPoint(widget, QPoint(), &view);
  return view != nullptr ? view->window() : const_cast<QWidget*>(widget);
}

QFont PopupFontFor(const QWidget* widget) {
  QGraphicsView* view = nullptr;
  ScreenPoint(widget, QPoint(), &view);
  QFont font = widget->font();
  if (view != nullptr && font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * view->transform().m22())));
  }
  return font;
}

void ScaledView::UpdateScale() {
  if (referenceSize_.isEmpty() || exactSize_.isEmpty()) return;
  // One factor for both axes, so that letters and the gear keep their shapes; the smaller one,
  // so that the whole content stays in view.
  const double factor = std::min(exactSize_.width() / referenceSize_.width(),
                                 exactSize_.height() / referenceSize_.height());
  setTransform(QTransform::fromScale(factor, factor));
}

}  // namespace vaporin
