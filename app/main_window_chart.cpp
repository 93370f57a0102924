// The main window's side of the chart window: opening it, keeping it in step with the boxes,
// and a click on it as a new entry.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "app/application.h"
#include "app/chart_window.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/screen_fit.h"
#include "app/window_geometry.h"
#include "chart/chart_setup.h"
#include "chart_paint/chart_painter.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"

namespace vaporin {

namespace {
constexpr int ChartDefaultWidth = 900;
constexpr int ChartDefaultHeight = 600;
constexpr int ChartWindowGap = 8;  // px between the main window and the chart beside it
}  // namespace

void TForm1::Chart_Button1Click() {
  if (Chart_Window == nullptr) {
    Chart_Window = new ChartWindow(this);
    ConnectGuarded(Chart_Window->View, &ChartView::HoverChanged, this, [this] { ChartHover(); });
    ConnectGuarded(Chart_Window->View, &ChartView::StatePicked, this, [this] { ChartPick(); });
    ConnectGuarded(Chart_Window, &ChartWindow::SaveRequested, this, [this] { ChartSave(); });
    ConnectGuarded(Chart_Window, &ChartWindow::Closed, this, [this] { ChartClose(); });
    PlaceChartWindow();
  }
  Chart_Window->show();
  UpdateChart();
  Chart_Window->raise();
  Chart_Window->activateWindow();
}

void TForm1::PlaceChartWindow() {
  const std::optional<WindowGeometry> saved = settings_.ReadChartGeometry();
  const WindowGeometry geometry = saved.value_or(WindowGeometry{
      frameGeometry().right() + ChartWindowGap, y(), ChartDefaultWidth, ChartDefaultHeight});
  Chart_Window->move(ClampWindowPosition(geometry.Left), ClampWindowPosition(geometry.Top));
  Chart_Window->resize(UsableWindowExtent(geometry.Width, ChartDefaultWidth),
                       UsableWindowExtent(geometry.Height, ChartDefaultHeight));
  FitOnScreen(Chart_Window);
}

void TForm1::UpdateChart() {
  if (Chart_Window == nullptr || !Chart_Window->isVisible()) return;
  const QString name = Translated(TextId::PsychrometricChart);
  Chart_Window->setWindowTitle(name + QStringLiteral(" - Vaporin"));
  SetUpChart(Chart_Window->Chart(), core_.Preferences(), BaseTitlesShown(), name.toStdString());
  const BoxTexts shown = ReadBoxTexts();
  Chart_Window->Chart().SetMark(
      core_.ResultOnShow(shown) ? std::optional(MarkOf(core_.State(), shown, core_.Preferences()))
                                : std::nullopt);
  Chart_Window->Redraw();
  // The drawing's text alternative: its name and the state it marks.
  Chart_Window->View->setAccessibleName(name);
  Chart_Window->View->setAccessibleDescription(
      Chart_Window->Chart().Mark() ? QString::fromStdString(Chart_Window->Chart().Mark()->Label)
                                   : QString());
  Chart_Window->Readout->setAccessibleName(Translated(TextId::Pointer));
  ChartHover();
}

void TForm1::ChartHover() {
  const std::optional<ChartState>& state = Chart_Window->View->Hovered();
  Chart_Window->SetReadout(
      state ? QString::fromStdString(PointReadout(core_.Preferences(), BaseTitlesShown(), *state))
            : QString());
}

void TForm1::ChartPick() {
  const std::optional<ChartState>& state = Chart_Window->View->Picked();
  if (!state) return;
  Show(core_.EnterDryBulbAndRatio(state->DryBulbC, state->HumidityRatio));
}

void TForm1::ChartSave() {
  const QString suggested =
      platform_.DocumentsFolder() + QDir::separator() + QStringLiteral("psychrometric-chart.svg");
  const QString name =
      platform_.AskSaveFileName(Chart_Window, Translated(TextId::SaveChart), suggested,
                                {QStringLiteral("SVG (*.svg)"), QStringLiteral("PNG (*.png)")});
  if (name.isEmpty()) return;
  const ChartView* view = Chart_Window->View;
  const QString fault =
      SaveChartScene(Chart_Window->Chart().Scene(view->width(), view->height()), name);
  if (!fault.isEmpty()) {
    throw std::runtime_error((name + QStringLiteral(": ") + fault).toStdString());
  }
}

void TForm1::ChartClose() { WriteChartGeometryToSettings(); }

void TForm1::WriteChartGeometryToSettings() {
  if (Chart_Window == nullptr) return;
  settings_.WriteChartGeometry(
      {Chart_Window->x(), Chart_Window->y(), Chart_Window->width(), Chart_Window->height()});
}

}  // namespace vaporin
