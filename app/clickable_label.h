#pragma once

#include <QLabel>

namespace vaporin {

// A label that reports a click of the left mouse button.
class ClickableLabel final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vaporin
