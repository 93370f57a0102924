#pragma once

#include <QTest>

#include "app/application.h"

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
