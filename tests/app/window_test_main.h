#pragma once

#include <QStringList>
#include <QTest>

#include "app/application.h"

namespace vaporin {

// The offscreen platform says these of every window shown and every popup; they mean nothing
// for the tests.
inline constexpr const char* HarmlessPlatformWarnings[] = {
    "This plugin does not support propagateSizeHints()",
    "This plugin does not support raise()",
    "This plugin does not support grabbing the keyboard",
};

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
  for (const char* harmless : HarmlessPlatformWarnings) {
    if (message == QLatin1String(harmless)) return;
  }
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
