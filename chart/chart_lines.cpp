#include "chart/chart_lines.h"

#include <cmath>

#include "engine/relations.h"
#include "units/number_text.h"
#include "units/unit_conversions.h"

namespace vaporin {

namespace {
constexpr int CurveSamples = 240;    // across the range, for the curved lines
constexpr int StraightSamples = 12;  // along a wet-bulb or specific-volume line
constexpr int CrossingBisections = 30;
constexpr double Saturated = 100.0;       // %
constexpr int RelativeHumidityStep = 10;  // %
constexpr int MinVolumeSteps = 4;

class LineBuilder {
 public:
  LineBuilder(PsychroParams params, const UnitSettings& units, const ChartRange& range,
              std::string_view separator)
      : p_(params), units_(units), range_(range), separator_(separator) {}

  std::vector<ChartLine> All() {
    std::vector<ChartLine> lines;
    for (int rh = RelativeHumidityStep; rh <= Saturated; rh += RelativeHumidityStep) {
      lines.push_back(ConstantRelativeHumidity(rh));
    }
    AddWetBulbLines(lines);
    AddVolumeLines(lines);
    return lines;
  }

 private:
  ChartPoint Shown(double dryBulbC, double humidityRatio) const {
    return {TemperatureToDisplay(dryBulbC, units_.TemperatureUnit),
            SpecHumidityToDisplay(humidityRatio, units_.SpecificHumidityUnit)};
  }
  double Celsius(double shown) const {
    return TemperatureFromDisplay(shown, units_.TemperatureUnit);
  }
  std::optional<double> SaturationRatio(double dryBulbC) {
    double sh;
    const double rh = Saturated;
    if (Failed(ShFromDbRh(&p_, &dryBulbC, &rh, &sh))) return std::nullopt;
    return sh;
  }
  std::string ValueText(double value, int decimals) const {
    return LocalizeNumberText(FormatFixed(value, decimals), separator_);
  }

  ChartLine ConstantRelativeHumidity(int percent) {
    ChartLine line{percent == Saturated ? LineKind::Saturation : LineKind::RelativeHumidity,
                   {},
                   std::to_string(percent) + "%"};
    const double rh = percent;
    for (int i = 0; i <= CurveSamples; ++i) {
      double db = Celsius(range_.XMin + (range_.XMax - range_.XMin) * i / CurveSamples);
      double sh;
      if (Failed(ShFromDbRh(&p_, &db, &rh, &sh)) || sh < 0.0) break;
      line.Points.push_back(Shown(db, sh));
      // One point above the range carries the line to its edge.
      if (line.Points.back().Y > range_.YMax) break;
    }
    return line;
  }

  void AddWetBulbLines(std::vector<ChartLine>& lines) {
    const double step = XStep(range_);
    const int decimals = DecimalsFor(step);
    // Lines from wet bulbs left of the range may still cross it at low humidity.
    const double span = range_.XMax - range_.XMin;
    for (double wbShown : RoundValues(range_.XMin - span, range_.XMax, step)) {
      double wb = Celsius(wbShown);
      const std::optional<double> top = SaturationRatio(wb);
      if (!top) continue;
      ChartLine line{LineKind::WetBulb, {}, ValueText(wbShown, decimals)};
      for (int i = 0; i <= StraightSamples; ++i) {
        double sh = *top * (StraightSamples - i) / StraightSamples;
        double db;
        if (Failed(DbFromWbSh(&p_, &wb, &sh, &db))) break;
        line.Points.push_back(Shown(db, sh));
      }
      if (line.Points.size() > 1 && line.Points.back().X >= range_.XMin) {
        lines.push_back(std::move(line));
      }
    }
  }

  void AddVolumeLines(std::vector<ChartLine>& lines) {
    const double yMax = SpecHumidityFromDisplay(range_.YMax, units_.SpecificHumidityUnit);
    const double yMin =
        std::max(0.0, SpecHumidityFromDisplay(range_.YMin, units_.SpecificHumidityUnit));
    double coldest = Celsius(range_.XMin);
    double warmest = Celsius(range_.XMax);
    const std::optional<double> warmSaturation = SaturationRatio(warmest);
    double driest = yMin;
    double wettest = warmSaturation ? std::min(*warmSaturation, yMax) : yMax;
    double low;
    double high;
    if (Failed(SvFromDbSh(&p_, &coldest, &driest, &low)) ||
        Failed(SvFromDbSh(&p_, &warmest, &wettest, &high))) {
      return;
    }
    const UnitOfSpecVolume unit = units_.SpecificVolumeUnit;
    const double lowShown = SpecVolumeToDisplay(low, unit);
    const double highShown = SpecVolumeToDisplay(high, unit);
    if (!(highShown > lowShown)) return;
    const double step = RoundStep(highShown - lowShown, MinVolumeSteps);
    const int decimals = DecimalsFor(step);
    for (double svShown : RoundValues(lowShown, highShown, step)) {
      ChartLine line{LineKind::SpecificVolume, {}, ValueText(svShown, decimals)};
      const double sv = SpecVolumeFromDisplay(svShown, unit);
      double previous = yMin;
      for (int i = 0; i <= StraightSamples; ++i) {
        const double sh = yMin + (yMax - yMin) * i / StraightSamples;
        const std::optional<double> db = DryBulbAtVolume(sv, sh);
        if (!db) break;
        if (AboveSaturation(*db, sh)) {
          if (i > 0) AddSaturationCrossing(line, sv, previous, sh);
          break;
        }
        line.Points.push_back(Shown(*db, sh));
        previous = sh;
      }
      if (line.Points.size() > 1) lines.push_back(std::move(line));
    }
  }

  std::optional<double> DryBulbAtVolume(double sv, double sh) {
    double db;
    if (Failed(DbFromSvSh(&p_, &sv, &sh, &db))) return std::nullopt;
    return db;
  }

  bool AboveSaturation(double db, double sh) {
    double rh;
    return Failed(RhFromDbSh(&p_, &db, &sh, &rh)) || rh > Saturated;
  }

  // The line ends on the saturation line, found between a humidity ratio below it and one
  // above it.
  void AddSaturationCrossing(ChartLine& line, double sv, double below, double above) {
    for (int i = 0; i < CrossingBisections; ++i) {
      const double middle = 0.5 * (below + above);
      const std::optional<double> db = DryBulbAtVolume(sv, middle);
      if (db && !AboveSaturation(*db, middle)) {
        below = middle;
      } else {
        above = middle;
      }
    }
    if (const std::optional<double> db = DryBulbAtVolume(sv, below)) {
      line.Points.push_back(Shown(*db, below));
    }
  }

  PsychroParams p_;
  const UnitSettings& units_;
  ChartRange range_;
  std::string_view separator_;
};
}  // namespace

std::vector<ChartLine> ComputeChartLines(PsychroParams params, const UnitSettings& units,
                                         const ChartRange& range, std::string_view separator) {
  return LineBuilder(params, units, range, separator).All();
}

std::optional<ChartState> StateAt(PsychroParams params, const UnitSettings& units,
                                  ChartPoint point) {
  double db = TemperatureFromDisplay(point.X, units.TemperatureUnit);
  double sh = SpecHumidityFromDisplay(point.Y, units.SpecificHumidityUnit);
  double rh;
  if (sh < 0.0 || Failed(RhFromDbSh(&params, &db, &sh, &rh)) || rh > Saturated) {
    return std::nullopt;
  }
  return ChartState{db, sh, rh};
}

}  // namespace vaporin
