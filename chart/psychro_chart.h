#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/chart_lines.h"
#include "chart/chart_scene.h"
#include "engine/psychro_params.h"
#include "settings/unit_settings.h"

namespace vaporin {

// The state a chart marks, in engine units, with its label.
struct ChartMark {
  double DryBulbC;
  double HumidityRatio;  // kg/kg(DA)
  std::string Label;
};

// A chart in the user's units at the engine's pressure: its range (the default one, widened to
// hold the marked state) and its lines, computed again only when the units, the pressure, the
// separator or the range change, so that drawing it costs no engine call.
class PsychroChart {
 public:
  PsychroChart();

  void SetUp(const PsychroParams& params, const UnitSettings& units, std::string separator,
             ChartTexts texts);
  void SetMark(std::optional<ChartMark> mark);

  const ChartRange& Range() const { return range_; }
  const std::vector<ChartLine>& Lines() const { return lines_; }
  const std::optional<ChartMark>& Mark() const { return mark_; }
  ChartMapping MappingFor(double width, double height) const;
  ChartScene Scene(double width, double height) const;
  // The state under a point of a drawing `width` x `height` px; none above saturation.
  std::optional<ChartState> StateAtPixel(PixelPoint pixel, double width, double height) const;

 private:
  void Update();
  // The mark in the user's units.
  ChartPoint MarkPoint() const;

  PsychroParams params_;
  UnitSettings units_;
  std::string separator_ = ".";
  ChartTexts texts_;
  std::optional<ChartMark> mark_;
  ChartRange range_{};
  std::vector<ChartLine> lines_;
  // What the lines were computed for.
  struct LinesKey {
    double PressureKPa;
    UnitOfTemperature Temperature;
    UnitOfSpecHumidity SpecHumidity;
    UnitOfSpecVolume SpecVolume;
    std::string Separator;
    ChartRange Range;
    bool operator==(const LinesKey&) const = default;
  };
  std::optional<LinesKey> linesKey_;
};

}  // namespace vaporin
