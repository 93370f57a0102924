#pragma once

#include <QStringList>
#include <QTest>

#include "app/application.h"

namespace vaporin {

// The offscreen platform says this on every window shown; it means nothing for the tests.
inline constexpr char HarmlessPlatformWarning[] =
    "This plugin does not support propagateSizeHints()";

inline QStringList& UnexpectedWarnings() {
  static QStringList warnings;
  return warnings;
}

inline QtMessageHandler& TestLogHandler() {
  static QtMessageHandler handler = nullptr;
  return handler;
}

inline void FilterWarnings(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (message == QLatin1String(HarmlessPlatformWarning)) return;
  if (type == QtWarningMsg || type == QtCriticalMsg) UnexpectedWarnings() << message;
  TestLogHandler()(type, context, message);
}

// Drops the harmless warning and collects every other one, still logged, for the test's cleanup
// to fail on. Qt Test installs its own handler when it starts, so this runs in initTestCase.
inline void InstallWarningFilter() { TestLogHandler() = qInstallMessageHandler(FilterWarnings); }

inline QStringList TakeUnexpectedWarnings() {
  QStringList warnings;
  warnings.swap(UnexpectedWarnings());
  return warnings;
}

}  // namespace vaporin

// A Qt Test program over the real application object. Errors that reach the error box are
// collected instead of blocking on a dialog; a test that expects none checks the list.
#define VAPORIN_WINDOW_TEST_MAIN(TestClass)                          \
  int main(int argc, char** argv) {                                  \
    vaporin::VaporinApplication application(argc, argv);             \
    TestClass test;                                                  \
    vaporin::VaporinApplication::SetErrorReporter(                   \
        [&test](const QString& text) { test.ErrorsShown << text; }); \
    return QTest::qExec(&test, argc, argv);                          \
  }
