#pragma once

#include <QGraphicsView>
#include <QSize>

class QGraphicsProxyWidget;

namespace vaporin {

// A container whose content is laid out at a fixed reference size and drawn scaled to the
// container's size by one factor for both axes (the smaller of the two ratios), in the middle
// of the container, the space beside it in the content's background. Typing, focus, double
// clicks and the clipboard keep working in the content.
class ScaledView final : public QGraphicsView {
 public:
  explicit ScaledView(QWidget* parent = nullptr);

  void SetReferenceSize(const QSize& size);
  QSize ReferenceSize() const { return referenceSize_; }
  // Takes the content over; it is resized to the reference size.
  void SetContent(QWidget* content);
  QWidget* Content() const;
  // Sets the size from unrounded layout units: the drawing scale uses them exactly.
  void SetScaledGeometry(float left, float top, float width, float height);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The content never scrolls inside the view: the wheel goes on to the scroll box around it.
  void wheelEvent(QWheelEvent* event) override;

 private:
  void UpdateScale();

  QSize referenceSize_;
  QSizeF exactSize_;
  QGraphicsProxyWidget* proxy_ = nullptr;
};

// Where on the screen a point of a widget lies, through the view that shows the widget when it
// is part of scaled content; `view`, when given, receives that view (or none).
QPoint ScreenPoint(const QWidget* widget, const QPoint& point, QGraphicsView** view = nullptr);

// A popup for a widget of the scaled content, as a window of its own: parented to the window
// that shows the content, never clipped by the content's edge; its font scaled as the content.
QWidget* PopupParentFor(const QWidget* widget);
QFont PopupFontFor(const QWidget* widget);

}  // namespace vaporin
