#include "chart_paint/png_plugin.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>

#include "chart_paint/chart_painter.h"

namespace {
// Text needs a GUI application; without a display, the offscreen platform serves. It lives for
// the one drawing, so that everything Qt loads for it is released again.
std::unique_ptr<QGuiApplication> ApplicationIfNone() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 3;
  static char name[] = "vaporin-calc";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  // The command line reports its own faults; Qt's notes on the desktop it misses are noise.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return std::make_unique<QGuiApplication>(argc, argv);
}
}  // namespace

extern "C" __attribute__((visibility("default"))) int VAPORIN_PNG_PLUGIN_ENTRY(
    const vaporin::ChartScene* scene, const char* fileName, char* error, size_t errorSize) {
  static_assert(std::is_same_v<decltype(&VAPORIN_PNG_PLUGIN_ENTRY), vaporin::PngPluginEntry>);
  const std::unique_ptr<QGuiApplication> application = ApplicationIfNone();
  const QByteArray fault = vaporin::SaveChartScene(*scene, QString::fromUtf8(fileName)).toUtf8();
  if (fault.isEmpty()) return 0;
  if (errorSize > 0) {
    const size_t length = std::min(errorSize - 1, static_cast<size_t>(fault.size()));
    std::memcpy(error, fault.constData(), length);
    error[length] = '\0';
  }
  return 1;
}
