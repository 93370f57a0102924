#include "chart/psychro_chart.h"

#include "units/unit_conversions.h"

namespace vaporin {

PsychroChart::PsychroChart() : params_(InitPsychroParams()) { Update(); }

void PsychroChart::SetUp(const PsychroParams& params, const UnitSettings& units,
                         std::string separator, ChartTexts texts) {
  params_ = params;
  units_ = units;
  separator_ = std::move(separator);
  texts_ = std::move(texts);
  Update();
}

void PsychroChart::SetMark(std::optional<ChartMark> mark) {
  mark_ = std::move(mark);
  Update();
}

ChartPoint PsychroChart::MarkPoint() const {
  return {TemperatureToDisplay(mark_->DryBulbC, units_.TemperatureUnit),
          SpecHumidityToDisplay(mark_->HumidityRatio, units_.SpecificHumidityUnit)};
}

void PsychroChart::Update() {
  range_ = DefaultChartRange(units_);
  if (mark_) range_ = IncludePoint(range_, ClampedTo(ChartLimits(units_), MarkPoint()));
  LinesKey key{params_.PAtmKPa,
               units_.TemperatureUnit,
               units_.SpecificHumidityUnit,
               units_.SpecificVolumeUnit,
               separator_,
               range_};
  if (linesKey_ == key) return;
  lines_ = ComputeChartLines(params_, units_, range_, separator_);
  linesKey_ = std::move(key);
}

ChartMapping PsychroChart::MappingFor(double width, double height) const {
  return ChartMapping(range_, PlotAreaFor(width, height));
}

ChartScene PsychroChart::Scene(double width, double height) const {
  std::optional<ChartMarkerSpec> marker;
  if (mark_) {
    // A state beyond the chart's limits sits at the edge, with an arrow the way it lies.
    const ChartPoint point = MarkPoint();
    const ChartPoint shown = ClampedTo(range_, point);
    auto way = [](double actual, double at) { return actual > at ? 1 : actual < at ? -1 : 0; };
    marker = ChartMarkerSpec{shown, mark_->Label, way(point.X, shown.X), way(point.Y, shown.Y)};
  }
  return BuildChartScene(lines_, range_, texts_, marker, width, height, separator_);
}

std::optional<ChartState> PsychroChart::StateAtPixel(PixelPoint pixel, double width,
                                                     double height) const {
  const ChartMapping mapping = MappingFor(width, height);
  if (!mapping.Plot().Contains(pixel)) return std::nullopt;
  return StateAt(params_, units_, mapping.ToChart(pixel));
}

}  // namespace vaporin
