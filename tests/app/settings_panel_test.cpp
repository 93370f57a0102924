#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/list_row.h"
#include "app/main_window.h"
#include "app/unit_panel.h"
#include "app/window_combo_box.h"
#include "tests/app/open_window_test.h"
#include "tests/app/test_timeouts.h"
#include "tests/app/text_fit_check.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"

using namespace vaporin;

// The gear panel: units, language and always-on-top taken over by Apply and Save, and the
// captions composed from them.
class SettingsPanelTest : public OpenWindowTest {
  Q_OBJECT

 private:
  QString SettingsPath() const {
    return driver_->Platform->Documents + QStringLiteral("/vaporin.ini");
  }

  QByteArray ReadSettings() const {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  void ShowTheOverviewState() {
    driver_->ShowTheOverviewState();
    driver_->LetTheTimerTick();
  }

  // The panel as the user finds it behind the gear: built when first opened.
  UnitPanel& Panel() {
    if (Form().Panel_Con == nullptr) {
      Click(Form().Set_Button1);
      Click(Form().Panel_Con->BtnCancel);
    }
    return *Form().Panel_Con;
  }

  QStringList PanelTexts() {
    return {Panel().LBunit1->Text(),  Panel().LBunit2->Text(),   Panel().LBunit3->Text(),
            Panel().LBunit4->Text(),  Panel().LBunit5->Text(),   Panel().LBunit6->Text(),
            Panel().LBlang1->Text(),  Panel().LBstaytop->Text(), Panel().L_Unit->text(),
            Panel().Set_Save->text(), Panel().Set_Btn->text(),   Panel().BtnCancel->text()};
  }

  void ChooseLanguage(int index) {
    Click(Form().Set_Button1);
    Panel().CB7->setCurrentIndex(index);
    Click(Panel().Set_Btn);
  }

 private slots:
  void opensOverDimmedRowsAndCancelChangesNothing() {
    Click(Form().Set_Button1);
    QVERIFY(Panel().isVisible());
    QVERIFY(Form().RectMask->isVisible());
    QVERIFY(!Form().ListBox1->isVisible());
    QVERIFY(!Form().ToolBar1->isVisible());
    QCOMPARE(Panel().pos(), QPoint(16, 10));
    QCOMPARE(Panel().CB1->currentIndex(), 0);
    Panel().CB1->setCurrentIndex(1);
    Click(Panel().BtnCancel);
    QVERIFY(!Panel().isVisible());
    QVERIFY(!Form().RectMask->isVisible());
    QVERIFY(Form().ListBox1->isVisible());
    QCOMPARE(Form().Core().Units().TemperatureUnit, UnitOfTemperature::Celsius);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°C]"));
    Click(Form().Set_Button1);
    QCOMPARE(Panel().CB1->currentIndex(), 0);  // reopening shows the units in force
  }

  void applyShowsAFullDisplayInTheNewUnitsWithoutWritingTheFile() {
    ShowTheOverviewState();
    Click(Form().Set_Button1);
    Panel().CB1->setCurrentIndex(1);  // °F
    Panel().CB5->setCurrentIndex(1);  // Btu/lb
    Click(Panel().Set_Btn);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°F]"));
    QCOMPARE(Form().DB->accessibleName(), QStringLiteral("Dry Bulb Temperature[°F]"));
    QCOMPARE(Form().ListBoxItem4->Text(), QStringLiteral(" Dew Point Temperature[°F]"));
    QCOMPARE(Form().ListBoxItem6->Text(), QStringLiteral(" Wet Bulb Temperature[°F]"));
    QCOMPARE(Form().ListBoxItem5->Text(), QStringLiteral(" Specific Enthalpy[Btu/lb]"));
    QCOMPARE(Form().DB->text(), QStringLiteral("77.00"));
    QCOMPARE(Form().DP->text(), QStringLiteral("56.96"));
    QCOMPARE(Form().WB->text(), QStringLiteral("64.19"));
    QCOMPARE(Form().ENH->text(), QStringLiteral("21.63"));
    QCOMPARE(Form().RH->text(), QStringLiteral("50.00"));
    QVERIFY(Form().Core().DisplayLock());
    QVERIFY(!QFile::exists(SettingsPath()));
  }

  void applyWithOneValueChangesOnlyTheCaptions() {
    Form().DB->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Form().DB, QStringLiteral("25"));
    Click(Form().Set_Button1);
    Panel().CB1->setCurrentIndex(2);  // K
    Click(Panel().Set_Btn);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[K]"));
    QCOMPARE(Form().DB->text(), QStringLiteral("25"));
    QVERIFY(!Form().Core().DisplayLock());
  }

  void pressureUnitChangesOnlyTheHint() {
    ShowTheOverviewState();
    const QString shown = Form().DB->text() + Form().SV->text();
    Click(Form().Set_Button1);
    Panel().CB4->setCurrentIndex(1);
    Click(Panel().Set_Btn);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(760mmHg)"));
    QCOMPARE(Form().DB->text() + Form().SV->text(), shown);
  }

  static void Retype(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  void ctrlCommaOpensThePanelEscCancelsAndEnterApplies() {
    QWindow* window = Form().windowHandle();
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(Panel().isVisible());
    QCOMPARE(Form().MainLayout1->focusWidget(), Panel().CB1);
    Panel().CB1->setCurrentIndex(1);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!Panel().isVisible());
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°C]"));
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    Panel().CB1->setCurrentIndex(1);
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(!Panel().isVisible());
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°F]"));
    QCOMPARE(Form().MainLayout1->focusWidget(), Form().DB);
  }

  // A panel opened within the lock's 100 ms of a result keeps the focus when the lock's tick
  // comes, so that Esc still closes it.
  void aPanelOpenedBeforeTheLocksTickKeepsItsKeys() {
    driver_->ShowTheOverviewState();
    QWindow* window = Form().windowHandle();
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(Panel().isVisible());
    driver_->LetTheTimerTick();
    QCOMPARE(Form().MainLayout1->focusWidget(), Panel().CB1);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!Panel().isVisible());
  }

  // At the smallest window the language list opens whole, as a window of its own, and its last
  // entry can be clicked.
  void everyLanguageCanBeChosenFromTheList() {
    Form().resize(288, 320);
    Click(Form().Set_Button1);
    auto* languages = static_cast<WindowComboBox*>(Panel().CB7);
    languages->showPopup();
    QMenu* list = languages->OpenList();
    QVERIFY(list != nullptr);
    QVERIFY(list->isWindow());
    QVERIFY(QTest::qWaitForWindowExposed(list, WindowTestTimeoutMs));
    QCOMPARE(list->actions().size(), 9);
    const QRect screen = list->screen()->availableGeometry();
    QVERIFY(screen.contains(list->geometry()));
    QAction* last = list->actions().last();
    QCOMPARE(last->text(), QStringLiteral("中文(繁體)"));
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->actionGeometry(last).center());
    QCOMPARE(languages->currentIndex(), 8);
    Click(Panel().Set_Btn);
    QCOMPARE(Form().Core().Units().LanguageCode, std::string("zh_tw"));
  }

  // Every language with the longest unit names and a comma: every text shows within its place.
  void everyTextFitsItsPlace_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < 9; ++language) {
      QTest::newRow(qPrintable(QStringLiteral("language %1").arg(language))) << language;
    }
  }

  void everyTextFitsItsPlace() {
    QFETCH(int, language);
    driver_->Form.reset();
    driver_->Platform->Separator = QStringLiteral(",");
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[setting]\r\nte=1\r\nah=1\r\nsh=0\r\npr=3\r\nen=2\r\nsv=1\r\n"
                              "lang=%1\r\n")
                   .arg(language)
                   .toLatin1());
    file.close();
    driver_->Open();
    Form().resize(288, 320);
    Click(Form().Set_Button1);
    VerifyEveryTextFits(Form(), Panel());
    // Shrunk as a group: neighbouring rows, and the three buttons, share one size.
    auto titleSizes = [](const std::vector<ListRow*>& rows) {
      QSet<int> sizes;
      for (const ListRow* row : rows) sizes.insert(row->TitleLabel()->font().pixelSize());
      return sizes;
    };
    std::vector<ListRow*> listRows;
    for (const BoxInfo& info : BoxTable) listRows.push_back(Form().Row(info.Box));
    QCOMPARE(titleSizes(listRows).size(), 1);
    QCOMPARE(titleSizes(Panel().Rows()).size(), 1);
    const QSet<int> buttonSizes = {Panel().Set_Save->font().pixelSize(),
                                   Panel().Set_Btn->font().pixelSize(),
                                   Panel().BtnCancel->font().pixelSize()};
    QCOMPARE(buttonSizes.size(), 1);
  }

  // A screen reader names each list by its caption, in the language in force, not by the unit
  // it shows, and finds the caption as its label.
  void eachListIsNamedAndLabelledByItsCaption() {
    ChooseLanguage(0);  // German
    Click(Form().Set_Button1);
    const std::pair<QWidget*, ListRow*> lists[] = {
        {Panel().CB1, Panel().LBunit1}, {Panel().CB2, Panel().LBunit2},
        {Panel().CB3, Panel().LBunit3}, {Panel().CB4, Panel().LBunit4},
        {Panel().CB5, Panel().LBunit5}, {Panel().CB6, Panel().LBunit6},
        {Panel().CB7, Panel().LBlang1}, {Panel().EAlt, Panel().LBalt}};
    for (const auto& [control, row] : lists) {
      QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control);
      QCOMPARE(list->text(QAccessible::Name), row->Text().trimmed());
      const auto labels = list->relations(QAccessible::Label);
      QCOMPARE(labels.size(), 1);
      QCOMPARE(labels.front().first->object(), static_cast<const QObject*>(row->TitleLabel()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(Panel().CB1)->text(QAccessible::Name),
             QStringLiteral("Temperatur"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Panel().CB1)->text(QAccessible::Value),
             QStringLiteral("°C"));
  }

  void tabGoesThroughThePanelInReadingOrder() {
    Click(Form().Set_Button1);
    QList<QWidget*> visited{Panel().CB1};
    for (int i = 0; i < 12; ++i) {
      QTest::keyClick(Form().windowHandle(), Qt::Key_Tab);
      visited << Form().MainLayout1->focusWidget();
    }
    QCOMPARE(visited, (QList<QWidget*>{Panel().CB1, Panel().CB2, Panel().CB3, Panel().CB4,
                                       Panel().EAlt, Panel().EPatm, Panel().CB5, Panel().CB6,
                                       Panel().CB7, Panel().CBstaytop, Panel().Set_Save,
                                       Panel().Set_Btn, Panel().BtnCancel}));
  }

  void anAltitudeSetsThePressureThatApplySolvesAt() {
    ShowTheOverviewState();
    Click(Form().Set_Button1);
    QCOMPARE(Panel().EPatm->text(), QStringLiteral("101.325"));
    QCOMPARE(Panel().EAlt->text(), QStringLiteral("0"));
    QCOMPARE(Panel().LAltUnit->text(), QStringLiteral("m"));
    Retype(Panel().EAlt, QStringLiteral("1600"));
    QCOMPARE(Panel().EPatm->text(), QStringLiteral("83.524"));
    Click(Panel().Set_Btn);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(83.524kPa)"));
    QCOMPARE(Form().DB->text(), QStringLiteral("25.00"));
    QCOMPARE(Form().RH->text(), QStringLiteral("50.00"));
    QCOMPARE(Form().SH->text(), QStringLiteral("0.01203"));
  }

  // A pressure or altitude is judged whole on Apply: a text outside the range (whose prefix was
  // accepted on the way, 5000 m of 50000) is refused under its box, in the language in force,
  // and the pressure in force stays. All through real keys.
  void aPressureOrAltitudeOutsideTheRangeIsRefusedWhole_data() {
    QTest::addColumn<int>("language");  // a row of the language list; -1: as started
    QTest::addColumn<int>("tabs");      // from the first unit: 4 to the altitude, 5 the pressure
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    const QString altitude = QStringLiteral("Altitude must be -1449 m to 7185 m");
    QTest::newRow("altitude 50000") << -1 << 4 << "50000" << altitude;
    QTest::newRow("altitude 1e308") << -1 << 4 << "1e308" << altitude;
    QTest::newRow("altitude -1e308") << -1 << 4 << "-1e308" << altitude;
    QTest::newRow("pressure 120.01")
        << -1 << 5 << "120.01" << QStringLiteral("Pressure must be 40.000 kPa to 120.000 kPa");
    QTest::newRow("pressure 30") << -1 << 5 << "30"
                                 << QStringLiteral("Pressure must be 40.000 kPa to 120.000 kPa");
    QTest::newRow("German") << 0 << 4 << "50000"
                            << QStringLiteral("Die Höhe muss -1449 m bis 7185 m betragen");
  }

  void aPressureOrAltitudeOutsideTheRangeIsRefusedWhole() {
    QFETCH(int, language);
    QFETCH(int, tabs);
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    if (language >= 0) ChooseLanguage(language);
    const QString hint = Form().TopL->text();
    ShowTheOverviewState();
    const QString shown = Form().SH->text();
    QWindow* window = Form().windowHandle();
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    for (int i = 0; i < tabs; ++i) QTest::keyClick(window, Qt::Key_Tab);
    QLineEdit* box = tabs == 4 ? Panel().EAlt : Panel().EPatm;
    QCOMPARE(Form().MainLayout1->focusWidget(), box);
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : typed) QTest::keyClick(window, c.toLatin1());
    QCOMPARE(box->text(), typed);
    QTest::keyClick(window, Qt::Key_Return);

    QVERIFY(Panel().isVisible());
    QWidget* note = Panel().findChild<QLabel*>(QStringLiteral("LRefusal"));
    QVERIFY(note != nullptr && note->isVisible());
    QCOMPARE(static_cast<QLabel*>(note)->text(), reason);
    QCOMPARE(box->accessibleDescription(), reason);
    QVERIFY(note->geometry().top() >= box->mapTo(&Panel(), QPoint(0, box->height())).y());
    QCOMPARE(Form().MainLayout1->focusWidget(), box);
    QCOMPARE(box->selectedText(), typed);  // ready to be typed over
    QCOMPARE(Form().Core().Units().PressurePa, 101325);
    QCOMPARE(Form().TopL->text(), hint);
    QCOMPARE(Form().SH->text(), shown);

    // Save is refused alike; a key in the box takes the note away, Esc keeps the pressure.
    QTest::mouseClick(Panel().Set_Save, Qt::LeftButton);
    QVERIFY(Panel().isVisible());
    QCOMPARE(ErrorsShown, QStringList());
    QCOMPARE(ReadSettings(), QByteArray());
    QTest::keyClick(window, Qt::Key_Backspace);
    QVERIFY(!note->isVisible());
    QCOMPARE(box->accessibleDescription(), QString());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!Panel().isVisible());
    QCOMPARE(Form().Core().Units().PressurePa, 101325);
  }

  void anAcceptedTextAfterARefusedOneApplies() {
    Click(Form().Set_Button1);
    Retype(Panel().EPatm, QStringLiteral("30"));
    Click(Panel().Set_Btn);
    QVERIFY(Panel().isVisible());
    Retype(Panel().EPatm, QStringLiteral("90"));
    QCOMPARE(Panel().EAlt->text(), QStringLiteral("988"));
    Click(Panel().Set_Btn);
    QVERIFY(!Panel().isVisible());
    QCOMPARE(Form().Core().Units().PressurePa, 90000);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(90.000kPa)"));
  }

  void thePressureRowFollowsTheUnitsChosen() {
    Click(Form().Set_Button1);
    Panel().CB4->setCurrentIndex(1);  // mmHg
    QCOMPARE(Panel().EPatm->text(), QStringLiteral("760"));
    Panel().CB1->setCurrentIndex(1);  // °F: the altitude in feet
    QCOMPARE(Panel().LAltUnit->text(), QStringLiteral("ft"));
    Retype(Panel().EAlt, QStringLiteral("5249"));
    QCOMPARE(Panel().EPatm->text(), QStringLiteral("626"));
    Click(Panel().BtnCancel);
    QCOMPARE(Form().Core().Units().PressurePa, 101325);  // Cancel keeps the pressure in force
  }

  void saveKeepsThePressureForTheNextStart() {
    Click(Form().Set_Button1);
    Retype(Panel().EPatm, QStringLiteral("83.4"));
    Click(Panel().Set_Save);
    QVERIFY(ReadSettings().contains("\r\npatm=83400\r\n"));
    driver_->Form.reset();
    driver_->Open();
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(83.400kPa)"));
    driver_->ShowTheOverviewState();
    QCOMPARE(Form().SH->text(), QStringLiteral("0.01205"));
  }

  void saveWritesTheChoicesInOrderThenExitAddsTheGeometry() {
    Click(Form().Set_Button1);
    Panel().CB3->setCurrentIndex(1);
    Panel().CB7->setCurrentIndex(0);
    Panel().CBstaytop->setChecked(true);
    Click(Panel().Set_Save);
    QVERIFY(!Panel().isVisible());
    QCOMPARE(ReadSettings(), QByteArray("\xEF\xBB\xBF[setting]\r\nte=0\r\nah=0\r\nsh=1\r\npr=0\r\n"
                                        "en=0\r\nsv=0\r\nlang=0\r\nstayontop=1\r\n"
                                        "patm=101325\r\n\r\n"));
    Form().move(0, 0);
    Form().resize(300, 400);
    driver_->Form.reset();
    QCOMPARE(ReadSettings(),
             QByteArray("\xEF\xBB\xBF[setting]\r\nte=0\r\nah=0\r\nsh=1\r\npr=0\r\nen=0\r\nsv=0\r\n"
                        "lang=0\r\nstayontop=1\r\npatm=101325\r\npos_left=0\r\npos_top=0\r\n"
                        "pos_width=300\r\n"
                        "pos_height=400\r\n\r\n"));
    driver_->Open();  // and the next start reads them
    QCOMPARE(Form().Core().Units().SpecificHumidityUnit, UnitOfSpecHumidity::GramsPerKg);
    Click(Form().Set_Button1);
    QCOMPARE(Panel().LBunit1->Text(), QStringLiteral(" Temperatur"));
    QVERIFY(Panel().CBstaytop->isChecked());
    QVERIFY(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }

  void stayOnTopWaitsForApply() {
    Click(Form().Set_Button1);
    Panel().CBstaytop->setChecked(true);
    Click(Panel().BtnCancel);
    QVERIFY(!Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Click(Form().Set_Button1);
    QVERIFY(Panel().CBstaytop->isChecked());
    Click(Panel().Set_Btn);
    QVERIFY(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form().isVisible());
  }

  void switchesJapaneseGermanEnglishAndRestoresEveryText() {
    const QStringList english = PanelTexts();
    QCOMPARE(english[3], QStringLiteral(" Atomospheric"));
    ChooseLanguage(5);
    QCOMPARE(Panel().LBunit1->Text(), QStringLiteral(" \u3000温度 T"));
    QCOMPARE(Panel().CB1->accessibleName(), QStringLiteral("温度 T"));
    QCOMPARE(Form().TopL->text(), QStringLiteral("\uff12つの状態値を入力(101.325kPa)"));
    ChooseLanguage(0);
    QCOMPARE(Panel().LBunit1->Text(), QStringLiteral(" Temperatur"));
    QCOMPARE(Panel().LBunit4->Text(), QStringLiteral(" Luftdruck"));
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Trockentemperatur[°C]"));
    QCOMPARE(Form().DB->accessibleName(), QStringLiteral("Trockentemperatur[°C]"));
    QCOMPARE(Form().Set_Button1->accessibleName(), QStringLiteral("Gerätekonfiguration"));
    // The panel's controls are named after their rows, in the language in force.
    QCOMPARE(Panel().CB1->accessibleName(), QStringLiteral("Temperatur"));
    QCOMPARE(Panel().EPatm->accessibleName(), QStringLiteral("Luftdruck"));
    QCOMPARE(Panel().EAlt->accessibleName(), QStringLiteral("Höhe"));
    QCOMPARE(Panel().CBstaytop->accessibleName(), QStringLiteral("Immer Vorderansicht"));
    QVERIFY(Form().DB->toolTip().contains(QStringLiteral("Die Temperatur der Luft")));
    QCOMPARE(Form().ListBoxItem1->toolTip(), Form().DB->toolTip());
    QCOMPARE(Form().LB_txt->item(0)->text(), QStringLiteral("Zwei Eingabeparameter"));
    ChooseLanguage(1);
    QCOMPARE(PanelTexts(), english);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°C]"));
    QCOMPARE(Form().L_title1->text(), QStringLiteral("Vaporin"));
    QCOMPARE(Panel().L_title2->text(), QStringLiteral("Vaporin"));
    QCOMPARE(Panel().CB7->itemText(6), QStringLiteral("Pусский"));
  }

  void startsInTheSystemsLanguage_data() {
    QTest::addColumn<QString>("iso");
    QTest::addColumn<QString>("territory");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("saveCaption");
    QTest::newRow("traditional chinese") << "zh"
                                         << "TW" << 8 << "保存";
    QTest::newRow("simplified chinese") << "zh"
                                        << "CN" << 7 << "保存";
    QTest::newRow("russian") << "ru"
                             << "RU" << 6 << "Сохранить";
    QTest::newRow("portuguese") << "pt"
                                << "BR" << 1 << "Save";
  }

  void startsInTheSystemsLanguage() {
    QFETCH(QString, iso);
    QFETCH(QString, territory);
    QFETCH(int, index);
    QFETCH(QString, saveCaption);
    driver_->Form.reset();
    driver_->Platform->Language = {iso, QString(), QString(), territory};
    driver_->Open();
    QCOMPARE(Form().Core().Units().LanguageIndex, index);
    QCOMPARE(Panel().Set_Save->text(), saveCaption);
    Click(Form().Set_Button1);
    QCOMPARE(Panel().CB7->currentIndex(), index);
  }

  void aSavedLanguageWinsOverTheSystems() {
    driver_->Form.reset();
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[setting]\r\nlang=5\r\n");
    file.close();
    driver_->Platform->Language = {QStringLiteral("de"), QString(), QString(), QString()};
    driver_->Open();
    QCOMPARE(Form().Core().Units().LanguageCode, std::string("ja"));
    QCOMPARE(Panel().BtnCancel->text(), QStringLiteral("キャンセル"));
  }

  // A unit position off its list (a hand-edited file) shows as the first unit and is saved as
  // one on the list.
  void aUnitOffItsListShowsAndSavesTheFirstUnit() {
    driver_->Form.reset();
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[setting]\r\nte=5\r\nsh=-1\r\n");
    file.close();
    driver_->Open();
    Click(Form().Set_Button1);
    QCOMPARE(Panel().CB1->currentIndex(), 0);
    QCOMPARE(Panel().CB3->currentIndex(), 0);
    Click(Panel().Set_Save);
    const QByteArray saved = ReadSettings();
    QVERIFY2(saved.contains("te=0\r\n") && saved.contains("sh=0\r\n"), saved.constData());
  }

  // What is in the way of a save: a folder where the file should be, a file the save would grow
  // past what the next start reads, a file the user made read-only.
  void aSaveThatCannotWriteReportsAndKeepsThePanelOpen_data() {
    QTest::addColumn<QByteArray>("file");  // empty: a folder in its place
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QByteArray full("\xEF\xBB\xBF[setting]\r\nte=0\r\n;");
    full += QByteArray(1048576 - full.size() - 2, 'x') + "\r\n";
    QTest::newRow("folder") << QByteArray() << false << QStringLiteral("could not be read");
    QTest::newRow("1 MiB") << full << false << QStringLiteral("would grow past 1048576 bytes");
    QTest::newRow("read-only") << QByteArray("[setting]\r\nte=0\r\n") << true
                               << QStringLiteral("which is read-only");
  }

  void aSaveThatCannotWriteReportsAndKeepsThePanelOpen() {
    QFETCH(QByteArray, file);
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    if (file.isEmpty()) {
      QVERIFY(QDir().mkpath(SettingsPath()));
    } else {
      QFile out(SettingsPath());
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(file);
      out.close();
      if (readOnly) out.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    Click(Form().Set_Button1);
    Panel().CB1->setCurrentIndex(1);
    Click(Panel().Set_Save);
    QCOMPARE(ErrorsShown.size(), 1);
    QVERIFY2(ErrorsShown.front().contains(reason), qPrintable(ErrorsShown.front()));
    QVERIFY(ErrorsShown.front().endsWith(QStringLiteral(".")));
    QVERIFY(Panel().isVisible());
    QCOMPARE(Form().Core().Units().TemperatureUnit,
             UnitOfTemperature::Fahrenheit);  // applied all the same
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°F]"));
    Click(Panel().BtnCancel);
    if (file.isEmpty()) {
      QVERIFY(QDir().rmdir(SettingsPath()));
    } else {
      QCOMPARE(ReadSettings(), file);
      QFile(SettingsPath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
      QVERIFY(QFile::remove(SettingsPath()));
    }
    ErrorsShown.clear();
  }
};

VAPORIN_WINDOW_TEST_MAIN(SettingsPanelTest)

#include "settings_panel_test.moc"
