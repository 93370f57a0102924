#include "chart_paint/png_plugin.h"

#include <QGuiApplication>
#include <cstring>

#include "chart_paint/chart_painter.h"

namespace {
// Text needs a GUI application; without a display, the offscreen platform serves.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 3;
  static char name[] = "vaporin-calc";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  // The command line reports its own faults; Qt's notes on the desktop it misses are noise.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // Kept to the end of the process: the caller exits right after writing.
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) int VaporinWriteChartPng(
    const vaporin::ChartScene* scene, const char* fileName, char* error, size_t errorSize) {
  static_assert(std::is_same_v<decltype(&VaporinWriteChartPng), vaporin::PngPluginEntry>);
  EnsureApplication();
  const QByteArray fault = vaporin::SaveChartScene(*scene, QString::fromUtf8(fileName)).toUtf8();
  if (fault.isEmpty()) return 0;
  if (errorSize > 0) {
    const size_t length = std::min(errorSize - 1, static_cast<size_t>(fault.size()));
    std::memcpy(error, fault.constData(), length);
    error[length] = '\0';
  }
  return 1;
}
