#pragma once

#include <QObject>
#include <QStringList>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"

namespace vaporin {

// A Qt Test object whose every test starts with the window open on a fresh fake machine that
// writes numbers with ".", and fails on an error that reached the error box or on a warning.
class OpenWindowTest : public QObject {
  Q_OBJECT

 public:
  QStringList ErrorsShown;

 protected:
  std::unique_ptr<WindowDriver> driver_;

  TForm1& Form() { return *driver_->Form; }

 private slots:
  void initTestCase() { InstallWarningFilter(); }

  void init() {
    driver_ = std::make_unique<WindowDriver>();
    driver_->Platform->Separator = QStringLiteral(".");
    ErrorsShown.clear();
    driver_->Open();
  }

  void cleanup() {
    driver_.reset();
    QCOMPARE(ErrorsShown, QStringList());
    QCOMPARE(TakeUnexpectedWarnings(), QStringList());
  }
};

}  // namespace vaporin
