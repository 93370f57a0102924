#include "cli/chart_file.h"

#include <fstream>

#include "chart/calculator_chart.h"
#include "chart/chart_svg.h"
#include "i18n/translation_data.h"

namespace vaporin::cli {

namespace {
// The rows' titles and the chart's name in the language of the settings (English without).
std::pair<BaseTitles, std::string> TranslatedTitles(Calculator& calculator) {
  const BaseTitles english = EnglishBaseTitles();
  std::vector<std::string> texts(english.begin(), english.end());
  texts.emplace_back(SourceText(TextId::PsychrometricChart));
  calculator.ApplyLanguage(SystemLanguage{}, texts);
  BaseTitles titles;
  std::copy_n(texts.begin(), titles.size(), titles.begin());
  return {titles, texts.back()};
}

void WriteSvg(const ChartScene& scene, const std::string& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << ChartSvg(scene);
  out.close();
  if (!out) throw ChartNotWritten("cannot write " + file);
}
}  // namespace

void WriteChartFile(Calculator& calculator, const BoxTexts* shown, const std::string& file,
                    const PngWriter& writePng) {
  const auto [titles, name] = TranslatedTitles(calculator);
  PsychroChart chart;
  FollowCalculator(chart, calculator, titles, name);
  if (shown != nullptr) chart.SetMark(MarkOf(calculator, *shown));
  const ChartScene scene = chart.Scene(ChartFileWidthPx, ChartFileHeightPx);
  if (ChartFileTypeOf(file) == ChartFileType::Svg) {
    WriteSvg(scene, file);
    return;
  }
  if (!writePng) throw ChartNotWritten("PNG pictures need the chart plugin, which is missing");
  const std::string fault = writePng(scene, file);
  if (!fault.empty()) throw ChartNotWritten("cannot write " + file + ": " + fault);
}

}  // namespace vaporin::cli
