#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <random>

#include "app/main_window.h"
#include "app/unit_panel.h"
#include "i18n/translation_data.h"
#include "tests/app/open_window_test.h"
#include "tests/app/text_fit_check.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"
#include "units/number_text.h"

using namespace vaporin;

// The two-value input driven as a user drives it: keys, Enter, double clicks, focus moves.
class InputWorkflowWindowTest : public OpenWindowTest {
  Q_OBJECT

 private:
  QWidget* Focused() { return Form().MainLayout1->focusWidget(); }
  static void Type(QLineEdit* box, const QString& text) { WindowDriver::Type(box, text); }
  static void Enter(QLineEdit* box, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    WindowDriver::Enter(box, modifiers);
  }
  void ShowTheOverviewState() { driver_->ShowTheOverviewState(); }
  void LetTheTimerTick() { driver_->LetTheTimerTick(); }

  // A dew point above the dry bulb: no air has the two.
  void EnterARefusedPair() {
    Type(Form().DB, QStringLiteral("25"));
    Enter(Form().DB);
    Type(Form().DP, QStringLiteral("30"));
    Enter(Form().DP);
  }

  QStringList AllTexts() {
    QStringList texts;
    for (QLineEdit* box : Form().Boxes()) texts << box->text();
    return texts;
  }

 private slots:
  void typingTwoValuesShowsTheWholeState() {
    Type(Form().DB, QStringLiteral("25"));
    Enter(Form().DB);
    QCOMPARE(Focused(), Form().RH);
    Type(Form().RH, QStringLiteral("50"));
    Enter(Form().RH);
    QCOMPARE(AllTexts(), (QStringList{"25.00", "50.00", "11.52", "0.00988", "13.87", "50.30",
                                      "17.89", "0.8582"}));
    QCOMPARE(Form().Core().PairCode(), 1);
    QVERIFY(Form().Core().DisplayLock());
    LetTheTimerTick();
    QVERIFY(!Form().Core().DisplayLock());
    QVERIFY(!Form().Timer1->isActive());
    QCOMPARE(Focused(), Form().Button1);
  }

  // Keys as the keyboard sends them: to the window, which hands them to what has the focus.
  void PressInWindow(const QString& keys) {
    for (const QChar key : keys) QTest::keyClick(Form().windowHandle(), key.toLatin1());
  }
  void PressInWindow(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Form().windowHandle(), key, modifiers);
  }

  void typingRightAfterStartShowsTheWholeState() {
    QCOMPARE(Focused(), Form().DB);
    PressInWindow(QStringLiteral("25"));
    PressInWindow(Qt::Key_Return);
    PressInWindow(QStringLiteral("50"));
    PressInWindow(Qt::Key_Return);
    QCOMPARE(AllTexts(), (QStringList{"25.00", "50.00", "11.52", "0.00988", "13.87", "50.30",
                                      "17.89", "0.8582"}));
  }

  void aCharacterAfterAResultStartsANewEntryInTheFirstBox() {
    ShowTheOverviewState();
    LetTheTimerTick();
    QCOMPARE(Focused(), Form().Button1);
    PressInWindow(Qt::Key_C, Qt::ControlModifier);  // commands keep their meaning
    QCOMPARE(AllTexts()[0], QStringLiteral("25.00"));
    PressInWindow(QStringLiteral("3"));
    QCOMPARE(AllTexts(), (QStringList{"3", "", "", "", "", "", "", ""}));
    QCOMPARE(Focused(), Form().DB);
  }

  void tabGoesRoundFromTheLastBoxToTheFirst() {
    Form().SV->setFocus(Qt::MouseFocusReason);
    PressInWindow(Qt::Key_Tab);
    QCOMPARE(Focused(), Form().DB);
    PressInWindow(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Focused(), Form().SV);
  }

  void ctrlShiftCCopiesEveryRow() {
    ShowTheOverviewState();
    PressInWindow(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Atmospheric pressure\t101.325\tkPa"));
    QCOMPARE(lines.value(1), QStringLiteral("Dry Bulb Temperature\t25.00\t°C"));
    QCOMPARE(lines.value(8), QStringLiteral("Specific Volume\t0.8582\tm³/kg"));
  }

  // The box menu adds "Copy all" to Qt's own entries, all in the language in force: Qt's words
  // come from the translations Qt ships.
  void eachBoxMenuOffersCopyAll_data() {
    QTest::addColumn<int>("language");  // as stored
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("copyAll");
    QTest::newRow("English") << 1 << QStringLiteral("&Undo\tCtrl+Z") << QStringLiteral("Copy all");
    QTest::newRow("German") << 0 << QStringLiteral("&Rückgängig\tStrg+Z")
                            << QStringLiteral("Alles kopieren");
    QTest::newRow("Russian") << 6 << QStringLiteral("&Отменить действие\tCtrl+Z")
                             << QStringLiteral("Копировать всё");
  }

  void eachBoxMenuOffersCopyAll() {
    QFETCH(int, language);
    QFETCH(QString, undo);
    QFETCH(QString, copyAll);
    driver_->Form.reset();
    QFile settings(driver_->Platform->Documents + QStringLiteral("/vaporin.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[setting]\r\nlang=%1\r\n").arg(language).toLatin1());
    settings.close();
    driver_->Open();
    ShowTheOverviewState();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              Form().WB->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Form().WB, &request);
    QMenu* menu = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* open = qobject_cast<QMenu*>(window); open != nullptr && open->isVisible()) {
        menu = open;
      }
    }
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().first()->text(), undo);
    QAction* last = menu->actions().last();
    QCOMPARE(last->text(), copyAll);
    last->trigger();
    menu->close();
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\t25.00\t°C")));
  }

  void aCommaUserSeesAndTypesCommas() {
    driver_->Form.reset();
    driver_->Platform->Separator = QStringLiteral(",");
    driver_->Open();
    Type(Form().DB, QStringLiteral("25,5"));
    Enter(Form().DB);
    Type(Form().RH, QStringLiteral("50"));
    Enter(Form().RH);
    QCOMPARE(Form().DB->text(), QStringLiteral("25,50"));
    QCOMPARE(Form().SV->text(), QStringLiteral("0,8601"));
  }

  void onlyARealFocusLossCommits() {
    Type(Form().DB, QStringLiteral("25"));
    Type(Form().RH, QStringLiteral("50"));
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
      QFocusEvent away(QEvent::FocusOut, reason);
      QApplication::sendEvent(Form().RH, &away);
      QCOMPARE(Form().SV->text(), QString());
    }
    QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Form().RH, &left);
    QCOMPARE(Form().SV->text(), QStringLiteral("0.8582"));
  }

  void enterMovesDownAndShiftEnterUp() {
    Type(Form().VH, QStringLiteral("8"));
    Enter(Form().VH);
    QCOMPARE(Focused(), Form().SH);
    Enter(Form().SH, Qt::ShiftModifier);
    QCOMPARE(Focused(), Form().VH);
    QCOMPARE(Form().VH->text(), QStringLiteral("8"));  // Enter never reaches the box
  }

  void enterWithTwoGroupsOneNotANumberComputesNothing() {
    Type(Form().DB, QStringLiteral("25"));
    Type(Form().RH, QStringLiteral("5O"));
    Enter(Form().RH);
    QCOMPARE(Focused(), Form().Button1);
    QCOMPARE(AllTexts(), (QStringList{"25", "5O", "", "", "", "", "", ""}));
    QVERIFY(!Form().Core().DisplayLock());
  }

  void aBoxOfBlanksIsFilledButNoInput() {
    Type(Form().DB, QStringLiteral("25"));
    Type(Form().RH, QStringLiteral("   "));
    Enter(Form().RH);  // two groups filled: the focus leaves the boxes
    QCOMPARE(Focused(), Form().Button1);
    QCOMPARE(Form().SV->text(), QString());
  }

  void aLoneHumidityRatioDisablesTheDewPointUntilTheDisplay() {
    Type(Form().SH, QStringLiteral("0.01"));
    Enter(Form().SH);
    QVERIFY(!Form().DP->isEnabled());
    QCOMPARE(Focused(), Form().ENH);  // the disabled box is skipped
    Type(Form().DB, QStringLiteral("30"));
    Enter(Form().DB);
    QCOMPARE(Form().Core().PairCode(), 2);
    QVERIFY(Form().DP->isEnabled());
    QVERIFY(Form().SH->isEnabled());
  }

  void aDewPointWithTheDryBulbIsSolvedAsTheHumidityRatio() {
    Type(Form().DB, QStringLiteral("25"));
    Type(Form().DP, QStringLiteral("10"));
    QVERIFY(Form().SH->isEnabled());
    Enter(Form().DP);
    QCOMPARE(Form().Core().PairCode(), 2);
    QCOMPARE(Form().DP->text(), QStringLiteral("10.00"));
    QCOMPARE(Form().SH->text(), QStringLiteral("0.00763"));
  }

  void enthalpyWithWetBulbShowsNothing() {
    Type(Form().ENH, QStringLiteral("38"));
    Type(Form().WB, QStringLiteral("14"));
    Enter(Form().WB);
    QCOMPARE(AllTexts(), (QStringList{"", "", "", "", "", "38", "14", ""}));
    QVERIFY(!Form().Core().DisplayLock());
  }

  // Keys pressed in a box of a full display, sent to the window as the keyboard sends them: after
  // the lock's tick any key without Ctrl clears every box (Enter moves on as well); within the
  // lock, or with Ctrl or Tab, nothing is cleared.
  void keysInAFullDisplay_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("afterTheTick");
    QTest::addColumn<QStringList>("texts");  // empty: the display as it was
    QTest::addColumn<QString>("focus");
    const auto none = static_cast<int>(Qt::NoModifier);
    QTest::newRow("digit starts a new entry")
        << "WB" << int(Qt::Key_3) << none << true << QStringList{"", "", "", "", "", "", "3", ""}
        << "WB";
    QTest::newRow("enter clears and moves on")
        << "RH" << int(Qt::Key_Return) << none << true << QStringList(8, QString()) << "VH";
    const QStringList cleared(8, QString());
    QTest::newRow("delete clears")
        << "WB" << int(Qt::Key_Delete) << none << true << cleared << "WB";
    QTest::newRow("left clears") << "WB" << int(Qt::Key_Left) << none << true << cleared << "WB";
    QTest::newRow("shift alone clears")
        << "WB" << int(Qt::Key_Shift) << static_cast<int>(Qt::ShiftModifier) << true << cleared
        << "WB";
    QTest::newRow("escape clears and starts over")
        << "WB" << int(Qt::Key_Escape) << none << true << cleared << "DB";
    QTest::newRow("ctrl alone clears nothing")
        << "WB" << int(Qt::Key_Control) << static_cast<int>(Qt::ControlModifier) << true
        << QStringList() << "WB";
    QTest::newRow("ctrl+c clears nothing")
        << "WB" << int(Qt::Key_C) << static_cast<int>(Qt::ControlModifier) << true << QStringList()
        << "WB";
    QTest::newRow("tab moves without clearing")
        << "DB" << int(Qt::Key_Tab) << none << true << QStringList() << "RH";
    // The box takes the key as any text box does: a digit after the selection-less cursor.
    QTest::newRow("digit within the lock clears nothing")
        << "WB" << int(Qt::Key_7) << none << false
        << QStringList{"25.00", "50.00", "11.52", "0.00988", "13.87", "50.30", "17.897", "0.8582"}
        << "WB";
  }

  void keysInAFullDisplay() {
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, afterTheTick);
    QFETCH(QStringList, texts);
    QFETCH(QString, focus);
    ShowTheOverviewState();
    if (afterTheTick) LetTheTimerTick();
    const QStringList shown = AllTexts();
    auto* target = Form().MainLayout1->findChild<QLineEdit*>(box);
    target->setFocus(Qt::MouseFocusReason);
    PressInWindow(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(AllTexts(), texts.isEmpty() ? shown : texts);
    QCOMPARE(Focused()->objectName(), focus);
    QVERIFY(Form().DP->isEnabled() && Form().SH->isEnabled());
  }

  void aDoubleClickInAFullDisplayKeepsOnlyThatBox() {
    ShowTheOverviewState();
    LetTheTimerTick();
    Form().SH->setEnabled(false);  // as a commit may have left it
    QTest::mouseDClick(Form().DP, Qt::LeftButton);
    QCOMPARE(AllTexts(), (QStringList{"", "", "", "", "13.87", "", "", ""}));
    QVERIFY(Form().SH->isEnabled());
  }

  // After a pair that gave no state (dew point above the dry bulb): a third value says that two
  // are taken, Esc clears every box and starts over in the first, and a double click keeps the
  // good value and clears the rest. All by real keys and clicks.
  void aRefusedPairCanBeLeft() {
    EnterARefusedPair();
    QCOMPARE(Form().TopL->text(), QStringLiteral("No air state has these two values"));
    Type(Form().WB, QStringLiteral("20"));
    Enter(Form().WB);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Enter two values only (Esc clears all)"));
    QTest::keyClick(Form().WB, Qt::Key_Escape);
    QCOMPARE(AllTexts(), (QStringList{"", "", "", "", "", "", "", ""}));
    QCOMPARE(Focused(), Form().DB);

    EnterARefusedPair();
    QCOMPARE(Focused(), Form().Button1);
    QTest::keyClick(Form().Button1, Qt::Key_Escape);  // from where the focus rests
    QCOMPARE(AllTexts(), (QStringList{"", "", "", "", "", "", "", ""}));
    QCOMPARE(Focused(), Form().DB);

    EnterARefusedPair();
    QTest::mouseDClick(Form().DB, Qt::LeftButton);
    QCOMPARE(AllTexts(), (QStringList{"25", "", "", "", "", "", "", ""}));
  }

  // Where the focus rests after a pair, a screen reader hears the result, or why there is none;
  // the boxes' descriptions are plain text.
  void screenReadersHearTheResultAndTheReason() {
    ShowTheOverviewState();
    QCOMPARE(Focused(), Form().Button1);
    QAccessibleInterface* target = QAccessible::queryAccessibleInterface(Form().Button1);
    QCOMPARE(target->text(QAccessible::Name), QStringLiteral("Result: 25.00 °C, 50.00 %"));
    QVERIFY2(target->text(QAccessible::Description)
                 .startsWith(QStringLiteral("Atmospheric pressure 101.325 kPa; Dry Bulb "
                                            "Temperature 25.00 °C; Relative Humidity 50.00 %;")),
             qPrintable(target->text(QAccessible::Description)));
    QVERIFY(target->text(QAccessible::Description).endsWith(QStringLiteral("0.8582 m³/kg")));
    for (QLineEdit* box : Form().Boxes()) {
      const QString description =
          QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
      QVERIFY2(!description.isEmpty() && !description.contains(QLatin1Char('<')),
               qPrintable(description));
    }
    LetTheTimerTick();
    EnterARefusedPair();
    QCOMPARE(Focused(), Form().Button1);
    QCOMPARE(target->text(QAccessible::Name), QStringLiteral("No air state has these two values"));
  }

  void aDoubleClickWhileEnteringChangesNothing() {
    Type(Form().DB, QStringLiteral("25"));
    QTest::mouseDClick(Form().DB, Qt::LeftButton);
    QCOMPARE(Form().DB->text(), QStringLiteral("25"));
  }

  // Two values that give no state: the title bar says why instead of the hint, screen readers
  // read it from the label, and the next key brings the hint back.
  void aReasonShowsUntilTheNextKey_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no air state") << "DB"
                                  << "25"
                                  << "WB"
                                  << "30"
                                  << "No air state has these two values";
    QTest::newRow("enthalpy with wet bulb") << "ENH"
                                            << "50"
                                            << "WB"
                                            << "20"
                                            << "Enthalpy and wet bulb do not fix a state";
    QTest::newRow("relative humidity") << "DB"
                                       << "25"
                                       << "RH"
                                       << "150"
                                       << "Relative humidity must be 0 to 100 %";
    QTest::newRow("outside the calculation") << "DB"
                                             << "95"
                                             << "DP"
                                             << "92"
                                             << "Outside the range of the calculation";
  }
  void aReasonShowsUntilTheNextKey() {
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, reason);
    const QString hint = Form().TopL->text();
    auto* firstBox = Form().MainLayout1->findChild<QLineEdit*>(first);
    auto* secondBox = Form().MainLayout1->findChild<QLineEdit*>(second);
    Type(firstBox, firstText);
    Enter(firstBox);
    QCOMPARE(Form().TopL->text(), hint);
    Type(secondBox, secondText);
    Enter(secondBox);
    QCOMPARE(Form().TopL->text(), reason);
    QCOMPARE(QAccessible::queryAccessibleInterface(Form().TopL)->text(QAccessible::Name), reason);
    QCOMPARE(firstBox->text(), firstText);
    QCOMPARE(secondBox->text(), secondText);
    QVERIFY(!Form().Core().DisplayLock());
    QTest::keyClick(Focused(), Qt::Key_Backspace);
    QCOMPARE(Form().TopL->text(), hint);
  }

  // Each reason whole in the title bar, in every language.
  void everyReasonFitsTheTitleBar() {
    const struct {
      EditBox First, Second;
      const char *FirstText, *SecondText;
      TextId Reason;
    } pairs[] = {
        {EditBox::DB, EditBox::WB, "25", "30", TextId::NoAirState},
        {EditBox::ENH, EditBox::WB, "50", "20", TextId::EnthalpyWetBulbNoState},
        {EditBox::DB, EditBox::RH, "25", "150", TextId::RelativeHumidityRange},
        {EditBox::DB, EditBox::DP, "95", "92", TextId::OutsideCalculationRange},
    };
    for (int language = 0; language < static_cast<int>(LanguageCount); ++language) {
      QTest::mouseClick(Form().Set_Button1, Qt::LeftButton);
      Form().Panel_Con->CB7->setCurrentIndex(language);
      QTest::mouseClick(Form().Panel_Con->Set_Btn, Qt::LeftButton);
      for (const auto& pair : pairs) {
        Type(Form().Box(pair.First), QString::fromUtf8(pair.FirstText));
        Enter(Form().Box(pair.First));
        Type(Form().Box(pair.Second), QString::fromUtf8(pair.SecondText));
        Enter(Form().Box(pair.Second));
        const QLabel* hint = Form().TopL;
        const std::string_view reason =
            TranslationRows[static_cast<size_t>(pair.Reason)][FindLanguage(language)->Column];
        QCOMPARE(hint->text(), QString::fromUtf8(reason.data(), reason.size()));
        QVERIFY2(LabelFits(hint, hint->parentWidget()->width()), qPrintable(hint->text()));
        for (QLineEdit* box : Form().Boxes()) box->clear();
      }
    }
  }

  void aReasonGoesWithAClickOrAResult() {
    const QString hint = Form().TopL->text();
    Type(Form().DB, QStringLiteral("25"));
    Enter(Form().DB);
    Type(Form().WB, QStringLiteral("30"));
    Enter(Form().WB);
    QVERIFY(Form().TopL->text() != hint);
    QTest::mouseClick(Form().SV, Qt::LeftButton);
    QCOMPARE(Form().TopL->text(), hint);
    Enter(Form().SV);
    QVERIFY(Form().TopL->text() != hint);
    // A click on the window's background, away from every control.
    QTest::mouseClick(&Form(), Qt::LeftButton, Qt::NoModifier, QPoint(2, Form().height() - 2));
    QCOMPARE(Form().TopL->text(), hint);
  }

  // Random keys, clicks and focus moves: no crash, no hang, and every display shows eight
  // numbers. Keys go to the box that has the focus, so that a display, which only a focus move
  // causes, is checked before any key can edit it.
  void monkeyNeverBreaksTheDisplay() {
    std::mt19937 random(7);
    const QString characters = QStringLiteral("0123456789012345678.-e ,x");
    const auto boxes = Form().Boxes();
    std::uniform_int_distribution<int> action(0, 99);
    std::uniform_int_distribution<size_t> anyBox(0, boxes.size() - 1);
    std::uniform_int_distribution<qsizetype> anyCharacter(0, characters.size() - 1);
    int displays = 0;
    for (int step = 0; step < 8000; ++step) {
      QLineEdit* box = boxes[anyBox(random)];
      const int a = action(random);
      auto* focused = qobject_cast<QLineEdit*>(Focused());
      if (a < 20) {
        if (focused != nullptr)
          QTest::keyClicks(focused, QString(characters[anyCharacter(random)]));
      } else if (a < 45) {
        if (focused != nullptr) QTest::keyClicks(focused, QString::number(anyBox(random) * 7 + 1));
      } else if (a < 65) {
        if (focused != nullptr) Enter(focused, a < 60 ? Qt::NoModifier : Qt::ShiftModifier);
      } else if (a < 68) {
        if (focused != nullptr) QTest::keyClick(focused, Qt::Key_Backspace);
      } else if (a < 72) {
        if (focused != nullptr) {
          QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClick(focused, Qt::Key_Delete);
        }
      } else if (a < 78) {
        QTest::mouseDClick(box, Qt::LeftButton);
      } else if (a < 85) {
        Form().Button1->setFocus(Qt::MouseFocusReason);
      } else if (a < 90) {
        if (focused != nullptr) QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
      } else if (a < 99) {
        box->setFocus(Qt::MouseFocusReason);
      } else if (Form().Timer1->isActive()) {
        LetTheTimerTick();
      }
      if (Form().Core().DisplayLock()) {
        ++displays;
        for (QLineEdit* shown : boxes) {
          QVERIFY2(IsNumberText(shown->text().toStdString(), "."),
                   qPrintable(shown->objectName() + ": " + shown->text()));
        }
        LetTheTimerTick();
      }
    }
    QVERIFY(displays >= 10);
  }
};

VAPORIN_WINDOW_TEST_MAIN(InputWorkflowWindowTest)

#include "input_workflow_window_test.moc"
