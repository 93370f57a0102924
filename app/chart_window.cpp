#include "app/chart_window.h"

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/application.h"
#include "chart_paint/chart_painter.h"

namespace vaporin {

namespace {
constexpr int MinChartWidth = 320;
constexpr int MinChartHeight = 240;
}  // namespace

ChartView::ChartView(const PsychroChart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
  setObjectName(QStringLiteral("ChartView"));
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setMinimumSize(MinChartWidth, MinChartHeight);
}

void ChartView::paintEvent(QPaintEvent*) {
  RunGuarded([this] {
    QPainter painter(this);
    PaintChartScene(painter, chart_.Scene(width(), height()));
  });
}

std::optional<ChartState> ChartView::StateUnder(const QPointF& position) const {
  return chart_.StateAtPixel({position.x(), position.y()}, width(), height());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  hovered_ = StateUnder(event->position());
  emit HoverChanged();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // A click above saturation or beside the plot does nothing.
  picked_ = StateUnder(event->position());
  if (picked_) emit StatePicked();
}

void ChartView::leaveEvent(QEvent*) {
  hovered_.reset();
  emit HoverChanged();
}

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ChartWindow"));
  View = new ChartView(chart_, this);
  Readout = new QLabel(this);
  Readout->setObjectName(QStringLiteral("ChartReadout"));
  Readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Readout->setContentsMargins(8, 2, 8, 4);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(View, 1);
  layout->addWidget(Readout);
  ConnectGuarded(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
                 [this] { emit SaveRequested(); });
  ConnectGuarded(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
                 [this] { close(); });
}

void ChartWindow::Redraw() { View->update(); }

void ChartWindow::SetReadout(const QString& text) {
  Readout->setText(text);
  // A status that changes under the pointer: said again with each change.
  Readout->setAccessibleDescription(text);
  QAccessibleEvent changed(Readout, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

}  // namespace vaporin
