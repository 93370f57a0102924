#pragma once

#include <QWidget>
#include <optional>

#include "chart/psychro_chart.h"

class QLabel;

namespace vaporin {

// Draws a chart at the widget's size and tells where the pointer is and where it was clicked.
class ChartView final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(const PsychroChart& chart, QWidget* parent = nullptr);

  // The state under the pointer, or clicked last; none above saturation or off the plot.
  const std::optional<ChartState>& Hovered() const { return hovered_; }
  const std::optional<ChartState>& Picked() const { return picked_; }

 signals:
  void HoverChanged();
  void StatePicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::optional<ChartState> StateUnder(const QPointF& position) const;

  const PsychroChart& chart_;
  std::optional<ChartState> hovered_;
  std::optional<ChartState> picked_;
};

// The chart's own window: the drawing and, below it, the state under the pointer.
class ChartWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);

  PsychroChart& Chart() { return chart_; }
  // The chart changed: drawn again.
  void Redraw();
  void SetReadout(const QString& text);

  ChartView* View;
  QLabel* Readout;

 signals:
  void SaveRequested();
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PsychroChart chart_;
};

}  // namespace vaporin
