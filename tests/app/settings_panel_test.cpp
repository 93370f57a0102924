#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/list_row.h"
#include "app/main_window.h"
#include "app/unit_panel.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"

using namespace vaporin;

// The gear panel: units, language and always-on-top taken over by Apply and Save, and the
// captions composed from them.
class SettingsPanelTest : public QObject {
  Q_OBJECT

 public:
  QStringList ErrorsShown;

 private:
  std::unique_ptr<WindowDriver> driver_;

  TForm1& Form() { return *driver_->Form; }
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

  QStringList PanelTexts() {
    return {Form().Panel_Con->LBunit1->Text(), Form().Panel_Con->LBunit2->Text(),
            Form().Panel_Con->LBunit3->Text(), Form().Panel_Con->LBunit4->Text(),
            Form().Panel_Con->LBunit5->Text(), Form().Panel_Con->LBunit6->Text(),
            Form().Panel_Con->LBlang1->Text(), Form().Panel_Con->LBstaytop->Text(),
            Form().Panel_Con->L_Unit->text(),  Form().Panel_Con->Set_Save->text(),
            Form().Panel_Con->Set_Btn->text(), Form().Panel_Con->BtnCancel->text()};
  }

  void ChooseLanguage(int index) {
    Click(Form().Set_Button1);
    Form().Panel_Con->CB7->setCurrentIndex(index);
    Click(Form().Panel_Con->Set_Btn);
  }

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

  void opensOverDimmedRowsAndCancelChangesNothing() {
    Click(Form().Set_Button1);
    QVERIFY(Form().Panel_Con->isVisible());
    QVERIFY(Form().RectMask->isVisible());
    QVERIFY(!Form().ListBox1->isVisible());
    QVERIFY(!Form().ToolBar1->isVisible());
    QCOMPARE(Form().Panel_Con->pos(), QPoint(16, 10));
    QCOMPARE(Form().Panel_Con->CB1->currentIndex(), 0);
    Form().Panel_Con->CB1->setCurrentIndex(1);
    Click(Form().Panel_Con->BtnCancel);
    QVERIFY(!Form().Panel_Con->isVisible());
    QVERIFY(!Form().RectMask->isVisible());
    QVERIFY(Form().ListBox1->isVisible());
    QCOMPARE(Form().Core().Units().TemperatureUnit, UnitOfTemperature::Celsius);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°C]"));
    Click(Form().Set_Button1);
    QCOMPARE(Form().Panel_Con->CB1->currentIndex(), 0);  // reopening shows the units in force
  }

  void applyShowsAFullDisplayInTheNewUnitsWithoutWritingTheFile() {
    ShowTheOverviewState();
    Click(Form().Set_Button1);
    Form().Panel_Con->CB1->setCurrentIndex(1);  // °F
    Form().Panel_Con->CB5->setCurrentIndex(1);  // Btu/lb
    Click(Form().Panel_Con->Set_Btn);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°F]"));
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
    Form().Panel_Con->CB1->setCurrentIndex(2);  // K
    Click(Form().Panel_Con->Set_Btn);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[K]"));
    QCOMPARE(Form().DB->text(), QStringLiteral("25"));
    QVERIFY(!Form().Core().DisplayLock());
  }

  void pressureUnitChangesOnlyTheHint() {
    ShowTheOverviewState();
    const QString shown = Form().DB->text() + Form().SV->text();
    Click(Form().Set_Button1);
    Form().Panel_Con->CB4->setCurrentIndex(1);
    Click(Form().Panel_Con->Set_Btn);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(760mmHg)"));
    QCOMPARE(Form().DB->text() + Form().SV->text(), shown);
  }

  static void Retype(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  void anAltitudeSetsThePressureThatApplySolvesAt() {
    ShowTheOverviewState();
    Click(Form().Set_Button1);
    QCOMPARE(Form().Panel_Con->EPatm->text(), QStringLiteral("101.325"));
    QCOMPARE(Form().Panel_Con->EAlt->text(), QStringLiteral("0"));
    QCOMPARE(Form().Panel_Con->LAltUnit->text(), QStringLiteral("m"));
    Retype(Form().Panel_Con->EAlt, QStringLiteral("1600"));
    QCOMPARE(Form().Panel_Con->EPatm->text(), QStringLiteral("83.524"));
    Click(Form().Panel_Con->Set_Btn);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(83.524kPa)"));
    QCOMPARE(Form().DB->text(), QStringLiteral("25.00"));
    QCOMPARE(Form().RH->text(), QStringLiteral("50.00"));
    QCOMPARE(Form().SH->text(), QStringLiteral("0.01203"));
  }

  void aPressureOutsideTheRangeIsRefused() {
    Click(Form().Set_Button1);
    Retype(Form().Panel_Con->EPatm, QStringLiteral("90"));
    QCOMPARE(Form().Panel_Con->EAlt->text(), QStringLiteral("988"));
    Retype(Form().Panel_Con->EPatm, QStringLiteral("30"));
    QCOMPARE(Form().Panel_Con->EAlt->text(), QStringLiteral("988"));  // the last accepted
    Click(Form().Panel_Con->Set_Btn);
    QCOMPARE(Form().Core().Units().PressurePa, 90000);
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(90.000kPa)"));
  }

  void thePressureRowFollowsTheUnitsChosen() {
    Click(Form().Set_Button1);
    Form().Panel_Con->CB4->setCurrentIndex(1);  // mmHg
    QCOMPARE(Form().Panel_Con->EPatm->text(), QStringLiteral("760"));
    Form().Panel_Con->CB1->setCurrentIndex(1);  // °F: the altitude in feet
    QCOMPARE(Form().Panel_Con->LAltUnit->text(), QStringLiteral("ft"));
    Retype(Form().Panel_Con->EAlt, QStringLiteral("5249"));
    QCOMPARE(Form().Panel_Con->EPatm->text(), QStringLiteral("626"));
    Click(Form().Panel_Con->BtnCancel);
    QCOMPARE(Form().Core().Units().PressurePa, 101325);  // Cancel keeps the pressure in force
  }

  void saveKeepsThePressureForTheNextStart() {
    Click(Form().Set_Button1);
    Retype(Form().Panel_Con->EPatm, QStringLiteral("83.4"));
    Click(Form().Panel_Con->Set_Save);
    QVERIFY(ReadSettings().contains("\r\npatm=83400\r\n"));
    driver_->Form.reset();
    driver_->Open();
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(83.400kPa)"));
    driver_->ShowTheOverviewState();
    QCOMPARE(Form().SH->text(), QStringLiteral("0.01205"));
  }

  void saveWritesTheChoicesInOrderThenExitAddsTheGeometry() {
    Click(Form().Set_Button1);
    Form().Panel_Con->CB3->setCurrentIndex(1);
    Form().Panel_Con->CB7->setCurrentIndex(0);
    Form().Panel_Con->CBstaytop->setChecked(true);
    Click(Form().Panel_Con->Set_Save);
    QVERIFY(!Form().Panel_Con->isVisible());
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
    QCOMPARE(Form().Panel_Con->LBunit1->Text(), QStringLiteral(" Temperatur"));
    QVERIFY(Form().Panel_Con->CBstaytop->isChecked());
    QVERIFY(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }

  void stayOnTopWaitsForApply() {
    Click(Form().Set_Button1);
    Form().Panel_Con->CBstaytop->setChecked(true);
    Click(Form().Panel_Con->BtnCancel);
    QVERIFY(!Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Click(Form().Set_Button1);
    QVERIFY(Form().Panel_Con->CBstaytop->isChecked());
    Click(Form().Panel_Con->Set_Btn);
    QVERIFY(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form().isVisible());
  }

  void switchesJapaneseGermanEnglishAndRestoresEveryText() {
    const QStringList english = PanelTexts();
    QCOMPARE(english[3], QStringLiteral(" Atomospheric"));
    ChooseLanguage(5);
    QCOMPARE(Form().Panel_Con->LBunit1->Text(), QStringLiteral(" \u3000温度 T"));
    QCOMPARE(Form().TopL->text(), QStringLiteral("\uff12つの状態値を入力(101.325kPa)"));
    ChooseLanguage(0);
    QCOMPARE(Form().Panel_Con->LBunit1->Text(), QStringLiteral(" Temperatur"));
    QCOMPARE(Form().Panel_Con->LBunit4->Text(), QStringLiteral(" Luftdruck"));
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Trockentemperatur[°C]"));
    QCOMPARE(Form().LB_txt->item(0)->text(), QStringLiteral("Zwei Eingabeparameter"));
    ChooseLanguage(1);
    QCOMPARE(PanelTexts(), english);
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°C]"));
    QCOMPARE(Form().L_title1->text(), QStringLiteral("Vaporin"));
    QCOMPARE(Form().Panel_Con->L_title2->text(), QStringLiteral("Vaporin"));
    QCOMPARE(Form().Panel_Con->CB7->itemText(6), QStringLiteral("Pусский"));
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
    QCOMPARE(Form().Panel_Con->Set_Save->text(), saveCaption);
    Click(Form().Set_Button1);
    QCOMPARE(Form().Panel_Con->CB7->currentIndex(), index);
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
    QCOMPARE(Form().Panel_Con->BtnCancel->text(), QStringLiteral("キャンセル"));
  }

  void aSaveThatCannotWriteReportsAndKeepsThePanelOpen() {
    QVERIFY(QDir().mkpath(SettingsPath()));  // a folder where the file should be
    Click(Form().Set_Button1);
    Form().Panel_Con->CB1->setCurrentIndex(1);
    Click(Form().Panel_Con->Set_Save);
    QCOMPARE(ErrorsShown.size(), 1);
    QVERIFY(ErrorsShown.front().startsWith(QStringLiteral("Cannot write the settings file")));
    QVERIFY(ErrorsShown.front().endsWith(QStringLiteral(".")));
    QVERIFY(Form().Panel_Con->isVisible());
    QCOMPARE(Form().Core().Units().TemperatureUnit,
             UnitOfTemperature::Fahrenheit);  // applied all the same
    QCOMPARE(Form().ListBoxItem1->Text(), QStringLiteral(" Dry Bulb Temperature[°F]"));
    Click(Form().Panel_Con->BtnCancel);
    QVERIFY(QDir().rmdir(SettingsPath()));
    ErrorsShown.clear();
  }
};

VAPORIN_WINDOW_TEST_MAIN(SettingsPanelTest)

#include "settings_panel_test.moc"
