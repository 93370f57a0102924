#include "cli/chart_file.h"

#include <filesystem>
#include <system_error>

#include "chart/chart_setup.h"
#include "chart/chart_svg.h"
#include "i18n/language_choice.h"
#include "i18n/translation_data.h"
#include "i18n/translator.h"
#include "settings/file_access.h"

namespace vaporin::cli {

namespace {
// The rows' titles and the chart's name in the language of the settings (English without).
std::pair<BaseTitles, std::string> TranslatedTitles(const Preferences& preferences) {
  const BaseTitles english = EnglishBaseTitles();
  std::vector<std::string> texts(english.begin(), english.end());
  texts.emplace_back(SourceText(TextId::PsychrometricChart));
  Translator translator;
  translator.BuildTranslationTable();
  translator.SelectLanguage(ChooseLanguage(preferences.Units.LanguageIndex, SystemLanguage{}).Code,
                            texts);
  BaseTitles titles;
  std::copy_n(texts.begin(), titles.size(), titles.begin());
  return {titles, texts.back()};
}

// Written at once, as the settings file is: a killed write leaves the old file or none, never
// half a picture. The fault says why (permission, no space, a folder in the way).
void WriteSvg(const ChartScene& scene, const std::string& file) {
  const std::filesystem::path path(file);
  std::error_code error;
  // A mistyped folder is the user's to fix, not one to create.
  if (path.has_parent_path() && !std::filesystem::is_directory(path.parent_path(), error)) {
    throw ChartNotWritten("cannot write " + file + ": no such folder " +
                          path.parent_path().string());
  }
  try {
    ReplaceFile(path, ChartSvg(scene));
  } catch (const std::system_error& fault) {
    throw ChartNotWritten("cannot write " + file + ": " + fault.code().message());
  }
}
}  // namespace

void WriteChartFile(const Preferences& preferences, const Solution* solved, const std::string& file,
                    const PngWriter& writePng) {
  const auto [titles, name] = TranslatedTitles(preferences);
  PsychroChart chart;
  SetUpChart(chart, preferences, titles, name);
  if (solved != nullptr && solved->Solved) {
    chart.SetMark(MarkOf(solved->State, solved->Texts, preferences));
  }
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
