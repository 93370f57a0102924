#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/chart_svg.h"
#include "chart/psychro_chart.h"
#include "engine/relations.h"
#include "units/unit_conversions.h"

namespace vaporin {
namespace {

constexpr double WidthPx = 1200.0;
constexpr double HeightPx = 800.0;

UnitSettings Units(UnitOfTemperature temperature, UnitOfSpecHumidity ratio) {
  UnitSettings units;
  units.TemperatureUnit = temperature;
  units.SpecificHumidityUnit = ratio;
  return units;
}

PsychroChart ChartIn(const UnitSettings& units) {
  PsychroChart chart;
  chart.SetUp(InitPsychroParams(), units, ".", {"Chart", "Dry bulb", "Humidity ratio"});
  return chart;
}

double Saturation(double dryBulbC) {
  PsychroParams params = InitPsychroParams();
  const double rh = 100.0;
  double sh = 0.0;
  EXPECT_FALSE(Failed(ShFromDbRh(&params, &dryBulbC, &rh, &sh)));
  return sh;
}

struct StepCase {
  double Span;
  int MinSteps;
  double Step;
  int Decimals;
};

TEST(ChartScale, GridLinesFallOnRoundValues) {
  const StepCase cases[] = {
      {60.0, 8, 5.0, 0},     // -10..50 °C
      {108.0, 8, 10.0, 0},   // 14..122 °F
      {30.0, 5, 5.0, 0},     // 0..30 g/kg(DA)
      {0.030, 5, 0.005, 3},  // 0..0.030 kg/kg(DA)
      {210.0, 5, 20.0, 0},   // 0..210 gr/lb(DA)
      {0.2, 4, 0.05, 2},     // specific volumes
      {0.16, 8, 0.02, 2},    // 2 x a power of ten
  };
  for (const StepCase& c : cases) {
    const double step = RoundStep(c.Span, c.MinSteps);
    EXPECT_NEAR(step, c.Step, c.Step * 1e-12) << c.Span;
    EXPECT_EQ(DecimalsFor(step), c.Decimals) << c.Span;
  }
  const std::vector<double> values = RoundValues(0.1, 0.35, 0.05);
  ASSERT_EQ(values.size(), 6u);  // 0.3 counts although 6 x 0.05 is not exactly 0.3
  EXPECT_NEAR(values.front(), 0.1, 1e-15);
  EXPECT_NEAR(values.back(), 0.35, 1e-15);
}

TEST(ChartScale, DefaultRangeInEveryUnitAndGrowthToRoundValues) {
  const ChartRange celsius =
      DefaultChartRange(Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg));
  EXPECT_EQ(celsius, (ChartRange{-10.0, 50.0, 0.0, 30.0}));
  const ChartRange fahrenheit =
      DefaultChartRange(Units(UnitOfTemperature::Fahrenheit, UnitOfSpecHumidity::KgPerKg));
  EXPECT_NEAR(fahrenheit.XMin, 14.0, 1e-9);
  EXPECT_NEAR(fahrenheit.XMax, 122.0, 1e-9);
  EXPECT_NEAR(fahrenheit.YMax, 0.030, 1e-15);

  // Outside on every side: widened to the next grid line, never narrowed.
  EXPECT_EQ(IncludePoint(celsius, {53.2, 41.0}), (ChartRange{-10.0, 55.0, 0.0, 45.0}));
  EXPECT_EQ(IncludePoint(celsius, {-23.0, -1.0}), (ChartRange{-25.0, 50.0, -5.0, 30.0}));
  EXPECT_EQ(IncludePoint(celsius, {20.0, 10.0}), celsius);
}

TEST(ChartMapping, CornersAndPointsMapBothWays) {
  const ChartMapping map(ChartRange{-10.0, 50.0, 0.0, 30.0}, PlotAreaFor(WidthPx, HeightPx));
  const PixelRect& plot = map.Plot();
  ASSERT_GT(plot.Width, 0.0);
  struct Case {
    const char* Name;
    ChartPoint Value;
    PixelPoint Pixel;
  };
  const Case cases[] = {
      {"bottom left", {-10.0, 0.0}, {plot.Left, plot.Bottom()}},
      {"top right", {50.0, 30.0}, {plot.Right(), plot.Top}},
      {"top left", {-10.0, 30.0}, {plot.Left, plot.Top}},
      {"middle", {20.0, 15.0}, {plot.Left + plot.Width / 2, plot.Top + plot.Height / 2}},
  };
  for (const Case& c : cases) {
    const PixelPoint pixel = map.ToPixel(c.Value);
    EXPECT_NEAR(pixel.X, c.Pixel.X, 1e-9) << c.Name;
    EXPECT_NEAR(pixel.Y, c.Pixel.Y, 1e-9) << c.Name;
    const ChartPoint back = map.ToChart(c.Pixel);
    EXPECT_NEAR(back.X, c.Value.X, 1e-9) << c.Name;
    EXPECT_NEAR(back.Y, c.Value.Y, 1e-9) << c.Name;
  }
  // A tiny drawing still has a plot to map to and from.
  const PixelRect tiny = PlotAreaFor(20.0, 20.0);
  EXPECT_GT(tiny.Width, 0.0);
  EXPECT_GT(tiny.Height, 0.0);
}

TEST(ChartMapping, APixelGivesTheStateUnderIt) {
  const PsychroChart chart =
      ChartIn(Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg));
  const ChartMapping map = chart.MappingFor(WidthPx, HeightPx);

  // The saturation point at 20 °C lies on the 100 % line: just below it is a state at RH 100.
  const PixelPoint saturated = map.ToPixel({20.0, Saturation(20.0) * 1000.0});
  const std::optional<ChartState> onLine =
      chart.StateAtPixel({saturated.X, saturated.Y + 1e-6}, WidthPx, HeightPx);
  ASSERT_TRUE(onLine);
  EXPECT_NEAR(onLine->DryBulbC, 20.0, 1e-6);
  EXPECT_NEAR(onLine->RelativeHumidity, 100.0, 1e-4);
  EXPECT_FALSE(chart.StateAtPixel({saturated.X, saturated.Y - 2.0}, WidthPx, HeightPx));

  // A click at 25 °C and 10 g/kg(DA) is that state, in engine units.
  const PixelPoint click = map.ToPixel({25.0, 10.0});
  const std::optional<ChartState> state = chart.StateAtPixel(click, WidthPx, HeightPx);
  ASSERT_TRUE(state);
  EXPECT_NEAR(state->DryBulbC, 25.0, 1e-9);
  EXPECT_NEAR(state->HumidityRatio, 0.010, 1e-12);
  EXPECT_NEAR(state->RelativeHumidity, 50.6, 0.1);

  // Beside the plot there is no state.
  EXPECT_FALSE(chart.StateAtPixel({map.Plot().Right() + 5.0, click.Y}, WidthPx, HeightPx));
}

TEST(ChartLines, TheSaturationLinePassesThroughTheEnginesSaturationRatio) {
  for (const UnitOfTemperature unit : {UnitOfTemperature::Celsius, UnitOfTemperature::Fahrenheit}) {
    const UnitSettings units = Units(unit, UnitOfSpecHumidity::GramsPerKg);
    const PsychroChart chart = ChartIn(units);
    const auto saturation =
        std::find_if(chart.Lines().begin(), chart.Lines().end(),
                     [](const ChartLine& line) { return line.Kind == LineKind::Saturation; });
    ASSERT_NE(saturation, chart.Lines().end());
    EXPECT_EQ(saturation->Label, "100%");
    for (const double celsius : {-10.0, -5.0, 0.0, 10.0, 20.0, 30.0}) {
      const double x = TemperatureToDisplay(celsius, unit);
      // Between the samples on either side, the line is straight.
      const auto after = std::find_if(saturation->Points.begin(), saturation->Points.end(),
                                      [x](ChartPoint p) { return p.X >= x - 1e-9; });
      ASSERT_NE(after, saturation->Points.end()) << celsius;
      const ChartPoint right = *after;
      const ChartPoint left = after == saturation->Points.begin() ? right : *(after - 1);
      const double y = right.X == left.X
                           ? right.Y
                           : left.Y + (right.Y - left.Y) * (x - left.X) / (right.X - left.X);
      EXPECT_NEAR(y, Saturation(celsius) * 1000.0, 0.01) << celsius << " °C";
    }
  }
}

TEST(ChartLines, EveryFamilyIsThereAndStaysBelowSaturation) {
  const UnitSettings units = Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg);
  const PsychroChart chart = ChartIn(units);
  int relative = 0;
  int wetBulb = 0;
  int volume = 0;
  PsychroParams params = InitPsychroParams();
  for (const ChartLine& line : chart.Lines()) {
    ASSERT_GE(line.Points.size(), 2u) << line.Label;
    relative += line.Kind == LineKind::RelativeHumidity;
    wetBulb += line.Kind == LineKind::WetBulb;
    volume += line.Kind == LineKind::SpecificVolume;
    if (line.Kind == LineKind::WetBulb) {
      // It starts on the saturation line at its own temperature.
      EXPECT_NEAR(line.Points.front().Y, Saturation(line.Points.front().X) * 1000.0, 1e-6);
      EXPECT_NEAR(line.Points.front().X, std::stod(line.Label), 1e-9);
    }
    if (line.Kind == LineKind::SpecificVolume) {
      for (const ChartPoint& p : line.Points) {
        double db = p.X;
        double sh = p.Y / 1000.0;
        double rh = 0.0;
        ASSERT_FALSE(Failed(RhFromDbSh(&params, &db, &sh, &rh)));
        EXPECT_LE(rh, 100.0 + 1e-6) << line.Label;
      }
    }
  }
  EXPECT_EQ(relative, 9);
  EXPECT_GE(wetBulb, 8);
  EXPECT_GE(volume, 3);
}

TEST(ChartLines, LabelsUseTheUsersSeparator) {
  PsychroChart chart;
  chart.SetUp(InitPsychroParams(), Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::KgPerKg),
              ",", {});
  bool volumeSeen = false;
  for (const ChartLine& line : chart.Lines()) {
    if (line.Kind != LineKind::SpecificVolume) continue;
    volumeSeen = true;
    EXPECT_NE(line.Label.find(','), std::string::npos) << line.Label;
  }
  EXPECT_TRUE(volumeSeen);
  const ChartScene scene = chart.Scene(WidthPx, HeightPx);
  const bool scaleInCommas = std::any_of(scene.Texts.begin(), scene.Texts.end(),
                                         [](const SceneText& t) { return t.Text == "0,005"; });
  EXPECT_TRUE(scaleInCommas);
}

TEST(PsychroChart, TheRangeGrowsToHoldTheMarkAndShrinksBack) {
  PsychroChart chart = ChartIn(Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg));
  const ChartRange standard = chart.Range();
  chart.SetMark(ChartMark{61.0, 0.050, "61 °C"});
  EXPECT_EQ(chart.Range(), (ChartRange{-10.0, 65.0, 0.0, 50.0}));
  const ChartScene scene = chart.Scene(WidthPx, HeightPx);
  ASSERT_TRUE(scene.Marker);
  EXPECT_TRUE(scene.Plot.Contains(scene.Marker->At));
  chart.SetMark(std::nullopt);
  EXPECT_EQ(chart.Range(), standard);
  EXPECT_FALSE(chart.Scene(WidthPx, HeightPx).Marker);
}

// A state beyond the chart's limits (almost pure steam, air hotter than any process) widens the
// range only to the limits: it is marked at the edge with an arrow pointing its way, and every
// text of the scales stays short enough to read.
TEST(PsychroChart, AStateBeyondTheLimitsIsMarkedAtTheEdgeWithAnArrow) {
  const struct {
    const char* name;
    UnitSettings units;
    ChartMark mark;
    ChartRange range;
    int arrowX;  // pixels: right and down positive
    int arrowY;
  } cases[] = {
      {"steam", Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::KgPerKg),
       ChartMark{150.0, 1e300, "steam"}, {-10.0, 150.0, 0.0, 1.0}, 0, -1},
      {"steam in g/kg", Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg),
       ChartMark{150.0, 1e300, "steam"}, {-10.0, 150.0, 0.0, 1000.0}, 0, -1},
      {"hot dry air", Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::KgPerKg),
       ChartMark{300.0, 0.01, "hot"}, {-10.0, 200.0, 0.0, 0.03}, 1, 0},
      {"both, in °F", Units(UnitOfTemperature::Fahrenheit, UnitOfSpecHumidity::KgPerKg),
       ChartMark{300.0, 5.0, "both"}, {14.0, 400.0, 0.0, 1.0}, 1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PsychroChart chart = ChartIn(c.units);
    chart.SetMark(c.mark);
    EXPECT_EQ(chart.Range(), c.range);
    const ChartScene scene = chart.Scene(WidthPx, HeightPx);
    ASSERT_TRUE(scene.Marker);
    const PixelPoint at = scene.Marker->At;
    EXPECT_NEAR(at.X, c.arrowX > 0 ? scene.Plot.Right() : at.X, 1e-9);
    EXPECT_NEAR(at.Y, c.arrowY < 0 ? scene.Plot.Top : at.Y, 1e-9);
    const auto arrow = std::find_if(scene.Paths.begin(), scene.Paths.end(),
                                    [](const ScenePath& p) { return p.Kind == Ink::Marker; });
    ASSERT_NE(arrow, scene.Paths.end());
    ASSERT_EQ(arrow->Points.size(), 3u);
    // The tip is the middle point, nearer the marker than the base's two corners.
    const PixelPoint tip = arrow->Points[1];
    const PixelPoint base{(arrow->Points[0].X + arrow->Points[2].X) / 2,
                          (arrow->Points[0].Y + arrow->Points[2].Y) / 2};
    EXPECT_EQ(tip.X > base.X + 1e-9, c.arrowX > 0);
    EXPECT_EQ(tip.Y < base.Y - 1e-9, c.arrowY < 0);
    for (const SceneText& text : scene.Texts) {
      if (text.Kind == Ink::Text && text.SizePx == 12.0) {
        EXPECT_LE(text.Text.size(), 6u) << text.Text;  // a scale's number
      }
    }
  }
  // A state within the limits has no arrow.
  PsychroChart chart = ChartIn(Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::KgPerKg));
  chart.SetMark(ChartMark{80.0, 0.5, "within"});
  const ChartScene scene = chart.Scene(WidthPx, HeightPx);
  EXPECT_TRUE(std::none_of(scene.Paths.begin(), scene.Paths.end(),
                           [](const ScenePath& p) { return p.Kind == Ink::Marker; }));
}

TEST(ChartSvg, IsOneDocumentWithEscapedTextsAndPointDecimals) {
  PsychroChart chart;
  chart.SetUp(InitPsychroParams(), UnitSettings(), ",", {"A & B <chart>", "x", "y"});
  chart.SetMark(ChartMark{25.0, 0.00988, "25,00 °C, 50,00 %"});
  const std::string svg = ChartSvg(chart.Scene(WidthPx, HeightPx));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("A &amp; B &lt;chart&gt;"), std::string::npos);
  EXPECT_NE(svg.find("<circle"), std::string::npos);
  EXPECT_NE(svg.find("width=\"1200.00\""), std::string::npos);
  EXPECT_EQ(svg.find(" &"), svg.find(" &amp;"));  // no bare ampersand
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST(ChartSvg, TheFileTypeComesFromTheExtension) {
  EXPECT_EQ(ChartFileTypeOf("chart.svg"), ChartFileType::Svg);
  EXPECT_EQ(ChartFileTypeOf("/tmp/a.b/Chart.PNG"), ChartFileType::Png);
  EXPECT_EQ(ChartFileTypeOf("chart.jpg"), std::nullopt);
  EXPECT_EQ(ChartFileTypeOf("svg"), std::nullopt);
}

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

// Every line label lies wholly inside the plot or is not drawn, so that none is cut at an edge
// (a "-10" cut to "10"): on several pressures, units, ranges and sizes.
TEST(ChartLabels, LieWhollyInsideThePlot) {
  const UnitSettings unitChoices[] = {
      Units(UnitOfTemperature::Celsius, UnitOfSpecHumidity::GramsPerKg),
      Units(UnitOfTemperature::Fahrenheit, UnitOfSpecHumidity::GrainsPerLb),
      Units(UnitOfTemperature::Kelvin, UnitOfSpecHumidity::KgPerKg),
  };
  const std::optional<ChartMark> marks[] = {std::nullopt, ChartMark{-25.0, 0.0003, "cold"},
                                            ChartMark{45.0, 0.045, "hot"}};
  int labels = 0;
  for (const double pressurePa : {101325.0, 83524.0, 45000.0}) {
    PsychroParams params = InitPsychroParams();
    SetAtmosphericPressure(&params, pressurePa);
    for (const UnitSettings& units : unitChoices) {
      for (const auto& mark : marks) {
        PsychroChart chart;
        chart.SetUp(params, units, ".", {"Chart", "Dry bulb", "Humidity ratio"});
        chart.SetMark(mark);
        for (const auto& [width, height] : {std::pair{1200.0, 800.0}, std::pair{500.0, 360.0}}) {
          const ChartScene scene = chart.Scene(width, height);
          for (const SceneText& text : scene.Texts) {
            if (text.Kind != Ink::LineLabel) continue;
            ++labels;
            const PixelRect box = TextBox(text);
            EXPECT_TRUE(box.Left >= scene.Plot.Left && box.Right() <= scene.Plot.Right() &&
                        box.Top >= scene.Plot.Top && box.Bottom() <= scene.Plot.Bottom())
                << text.Text << " at " << pressurePa << " Pa, " << width << " px";
          }
        }
      }
    }
  }
  EXPECT_GT(labels, 200);
}

// The box of a text follows its anchor and its characters' widths.
TEST(ChartLabels, TextBoxFollowsTheAnchor) {
  const SceneText end{"-10", {100.0, 50.0}, 10.0, TextAnchor::End, Ink::LineLabel};
  const PixelRect box = TextBox(end);
  EXPECT_NEAR(box.Width, 3 * 0.62 * 10.0, 1e-9);
  EXPECT_NEAR(box.Right(), 100.0, 1e-9);
  SceneText wide = end;
  wide.Text = "湿球";
  wide.Anchor = TextAnchor::Start;
  EXPECT_NEAR(TextBox(wide).Width, 20.0, 1e-9);
  EXPECT_NEAR(TextBox(wide).Left, 100.0, 1e-9);
}

}  // namespace
}  // namespace vaporin
