// The chart's cost: drawing it at 1200 x 800 from lines computed beforehand, which must stay
// under one frame (16 ms), and computing the lines, which happens only when the units, the
// pressure or the range change.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "chart/psychro_chart.h"
#include "chart_paint/chart_painter.h"

namespace vaporin {
namespace {

constexpr int WidthPx = 1200;
constexpr int HeightPx = 800;

PsychroChart MarkedChart() {
  PsychroChart chart;
  chart.SetUp(InitPsychroParams(), UnitSettings(), ".",
              {"Psychrometric chart  101.325 kPa", "Dry Bulb Temperature [°C]",
               "Specific Humidity [kg/kg(DA)]"});
  chart.SetMark(ChartMark{25.0, 0.00988, "25.00 °C, 50.00 %"});
  return chart;
}

// What a paint of the chart's view does: the scene for the size, drawn antialiased.
void BM_RedrawAt1200x800(benchmark::State& state) {
  const PsychroChart chart = MarkedChart();
  QImage image(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChartScene(painter, chart.Scene(WidthPx, HeightPx));
  }
}
BENCHMARK(BM_RedrawAt1200x800)->Unit(benchmark::kMillisecond);

void BM_SceneAt1200x800(benchmark::State& state) {
  const PsychroChart chart = MarkedChart();
  for (auto _ : state) benchmark::DoNotOptimize(chart.Scene(WidthPx, HeightPx));
}
BENCHMARK(BM_SceneAt1200x800)->Unit(benchmark::kMillisecond);

// Once per change of units, pressure or range.
void BM_ComputeLines(benchmark::State& state) {
  const ChartRange range = DefaultChartRange(UnitSettings());
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeChartLines(InitPsychroParams(), UnitSettings(), range, "."));
  }
}
BENCHMARK(BM_ComputeLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporin

int main(int argc, char** argv) {
  // Text needs a GUI application; no display is needed.
  int qtArgc = 3;
  char name[] = "chart_bench";
  char option[] = "-platform";
  char platform[] = "offscreen";
  char* qtArgv[] = {name, option, platform, nullptr};
  QGuiApplication application(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
