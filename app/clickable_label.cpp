#include "app/clickable_label.h"

#include <QMouseEvent>

namespace vaporin {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
}

}  // namespace vaporin
