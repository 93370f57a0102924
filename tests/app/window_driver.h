#pragma once

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/main_window.h"
#include "tests/app/fake_platform.h"
#include "tests/app/test_timeouts.h"

namespace vaporin {

// The real window on a fake machine, driven as a user drives it. The window goes before the
// machine it uses.
struct WindowDriver {
  std::unique_ptr<FakePlatform> Platform = std::make_unique<FakePlatform>();
  std::unique_ptr<TForm1> Form;

  // Shows the window, waits until it is exposed, and lets its start-up tick pass.
  void Open() {
    Form = std::make_unique<TForm1>(*Platform);
    Form->show();
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(Form.get(), WindowTestTimeoutMs));
    LetTheTimerTick();
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, text);
  }

  static void Enter(QLineEdit* box, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(box, Qt::Key_Return, modifiers);
  }

  // 25 °C and 50 % as the user types them; the display is locked for 100 ms afterwards.
  void ShowTheOverviewState() {
    Type(Form->DB, QStringLiteral("25"));
    Enter(Form->DB);
    Type(Form->RH, QStringLiteral("50"));
    Enter(Form->RH);
  }

  // The lock's 100 ms, passed without waiting: the timer's tick, as it would come.
  void LetTheTimerTick() {
    QVERIFY(Form->Timer1->isActive());
    QCOMPARE(Form->Timer1->interval(), 100);
    Form->Timer1Timer();
  }
};

}  // namespace vaporin
