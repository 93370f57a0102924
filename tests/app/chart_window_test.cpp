#include "app/chart_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app/main_window.h"
#include "app/scaled_view.h"
#include "app/unit_panel.h"
#include "tests/app/open_window_test.h"
#include "tests/app/test_timeouts.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"
#include "units/unit_conversions.h"

using namespace vaporin;

// The chart window: opened from the main window, in step with its results, units and
// language; a click enters a state; Ctrl+S saves the picture.
class ChartWindowTest : public OpenWindowTest {
  Q_OBJECT

 private:
  ChartWindow& Chart() { return *Form().Chart_Window; }
  ChartView& View() { return *Chart().View; }
  QString SettingsPath() const {
    return driver_->Platform->Documents + QStringLiteral("/vaporin.ini");
  }

  // The chart's button as the user reaches it: through the view that shows the scaled content.
  void ClickChartButton() {
    QPushButton* button = Form().Chart_Button1;
    const QPoint inContent = button->mapTo(Form().MainLayout1, button->rect().center());
    const QPoint onView = Form().ScaledLayout1->mapFromScene(QPointF(inContent));
    QTest::mouseClick(Form().ScaledLayout1->viewport(), Qt::LeftButton, Qt::NoModifier, onView);
    QVERIFY(Form().Chart_Window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(&Chart(), WindowTestTimeoutMs));
  }

  // The user comes back to the main window, as by a click on it.
  void BackToTheMainWindow() {
    // The chart's window is the main window's own, so the main window counts as active while
    // the chart is: wait for the focus itself.
    Form().windowHandle()->requestActivate();
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::focusWindow(), Form().windowHandle(),
                              WindowTestTimeoutMs);
  }

  void OpenWithCtrlG() {
    BackToTheMainWindow();
    QTest::keyClick(Form().windowHandle(), Qt::Key_G, Qt::ControlModifier);
    QVERIFY(Form().Chart_Window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(&Chart(), WindowTestTimeoutMs));
  }

  // Where a chart value lies in the view as it is drawn now.
  QPoint PixelOf(ChartPoint value) {
    const PixelPoint pixel =
        Chart().Chart().MappingFor(View().width(), View().height()).ToPixel(value);
    return QPoint(qRound(pixel.X), qRound(pixel.Y));
  }

  static bool Reddish(QRgb colour) {
    return qRed(colour) > 170 && qGreen(colour) < 80 && qBlue(colour) < 80;
  }

 private slots:
  void opensFromItsButtonAndCtrlGBesideTheMainWindow() {
    QCOMPARE(Form().Chart_Window, nullptr);  // built when first opened
    QCOMPARE(Form().Chart_Button1->accessibleName(), QStringLiteral("Psychrometric chart"));
    ClickChartButton();
    QVERIFY(Chart().isVisible());
    QCOMPARE(Chart().windowTitle(), QStringLiteral("Psychrometric chart - Vaporin"));
    QVERIFY(Chart().x() >= Form().frameGeometry().right());
    QCOMPARE(Chart().size(), QSize(900, 600));
    Chart().close();
    QVERIFY(!Chart().isVisible());
    OpenWithCtrlG();
    QVERIFY(Chart().isVisible());
  }

  void marksEachResultWhereItIsDrawn() {
    OpenWithCtrlG();
    QVERIFY(!Chart().Chart().Mark());
    BackToTheMainWindow();
    driver_->ShowTheOverviewState();
    QVERIFY(Chart().Chart().Mark());
    // Screen readers: the drawing is named and says what it marks; the line under it is named.
    QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(&View());
    QCOMPARE(drawing->text(QAccessible::Name), QStringLiteral("Psychrometric chart"));
    QCOMPARE(drawing->text(QAccessible::Description), QStringLiteral("25.00 °C, 50.00 %"));
    QCOMPARE(Chart().Readout->accessibleName(), QStringLiteral("Under the pointer"));
    QCOMPARE(QString::fromStdString(Chart().Chart().Mark()->Label),
             QStringLiteral("25.00 °C, 50.00 %"));
    const QImage drawn = View().grab().toImage();
    const QPoint marker = PixelOf({25.0, Form().Core().State().SH});
    QVERIFY2(Reddish(drawn.pixel(marker)), qPrintable(QColor(drawn.pixel(marker)).name()));
    // Well away from the marker, the same colour is nowhere.
    QVERIFY(!Reddish(drawn.pixel(PixelOf({0.0, 0.025}))));

    // A key that clears the result clears the mark.
    driver_->LetTheTimerTick();
    QTest::keyClick(Form().DB, Qt::Key_Delete);
    QVERIFY(!Chart().Chart().Mark());
  }

  void aClickBelowSaturationEntersThatStateAboveDoesNothing() {
    OpenWithCtrlG();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, PixelOf({10.0, 0.025}));
    QCOMPARE(Form().DB->text(), QString());
    QTest::mouseMove(&View(), PixelOf({20.0, 0.010}));
    QVERIFY(Chart().Readout->text().startsWith(QStringLiteral("Dry Bulb Temperature 20.")));
    QVERIFY(Chart().Readout->text().contains(QStringLiteral("kg/kg(DA)")));
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, PixelOf({20.0, 0.010}));
    // Within a pixel of the point, solved as if typed, every box filled.
    const double perPixelC = 60.0 / View().width();
    QVERIFY(std::abs(Form().DB->text().toDouble() - 20.0) <= perPixelC);
    QVERIFY(std::abs(Form().SH->text().toDouble() - 0.010) <= 0.00005 + 0.030 / View().height());
    for (QLineEdit* box : Form().Boxes()) QVERIFY(!box->text().isEmpty());
    QVERIFY(!Form().DP->isEnabled() || Form().Core().DisplayLock());
    QVERIFY(Chart().Chart().Mark());
  }

  // The line under the chart reads what a click at the pointer enters, to the last digit, at
  // points across the chart.
  void theReadoutIsWhatAClickEnters() {
    OpenWithCtrlG();
    for (const ChartPoint point : {ChartPoint{20.0, 0.010}, ChartPoint{31.3, 0.0117},
                                   ChartPoint{-4.6, 0.0021}, ChartPoint{44.9, 0.0268}}) {
      QTest::mouseMove(&View(), QPoint(1, 1));
      QTest::mouseMove(&View(), PixelOf(point));
      const QString readout = Chart().Readout->text();
      QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, PixelOf(point));
      for (QLineEdit* box : {Form().DB, Form().RH, Form().SH}) {
        QVERIFY2(readout.contains(QLatin1Char(' ') + box->text() + QLatin1Char(' ')),
                 qPrintable(readout + QStringLiteral(" / ") + box->text()));
      }
      driver_->LetTheTimerTick();
    }
  }

  void followsNewUnitsAndLanguage() {
    driver_->ShowTheOverviewState();
    driver_->LetTheTimerTick();
    OpenWithCtrlG();
    QTest::mouseClick(Form().Set_Button1, Qt::LeftButton);
    UnitPanel& panel = *Form().Panel_Con;
    panel.CB1->setCurrentIndex(1);  // °F
    panel.CB7->setCurrentIndex(0);  // Deutsch
    QTest::mouseClick(panel.Set_Btn, Qt::LeftButton);
    QCOMPARE(Chart().windowTitle(), QStringLiteral("Psychrometrisches Diagramm - Vaporin"));
    QCOMPARE(Chart().Chart().Range().XMin,
             TemperatureToDisplay(-10.0, UnitOfTemperature::Fahrenheit));
    QVERIFY(Chart().Chart().Mark());
    QCOMPARE(QString::fromStdString(Chart().Chart().Mark()->Label),
             QStringLiteral("77.00 °F, 50.00 %"));
    QCOMPARE(Form().Chart_Button1->accessibleName(), QStringLiteral("Psychrometrisches Diagramm"));
  }

  void ctrlSSavesThePictureByItsName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("svg") << QStringLiteral("chart.svg") << QByteArray("<?xml");
    QTest::newRow("png") << QStringLiteral("chart.png") << QByteArray("\x89PNG");
  }

  void ctrlSSavesThePictureByItsName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    OpenWithCtrlG();
    const QString path = driver_->Platform->Documents + QLatin1Char('/') + name;
    driver_->Platform->SaveFileName = path;
    QTest::keyClick(Chart().windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(driver_->Platform->SaveDialogTitles, QStringList{QStringLiteral("Save chart")});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(start.size()) == start);
  }

  void aSaveThatCannotWriteReachesTheErrorBoxACancelDoesNothing() {
    OpenWithCtrlG();
    QTest::keyClick(Chart().windowHandle(), Qt::Key_S, Qt::ControlModifier);  // cancelled
    QCOMPARE(ErrorsShown, QStringList());
    driver_->Platform->SaveFileName =
        driver_->Platform->Documents + QStringLiteral("/no/chart.svg");
    QTest::keyClick(Chart().windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ErrorsShown.size(), 1);
    QVERIFY(ErrorsShown.front().contains(QStringLiteral("chart.svg")));
    ErrorsShown.clear();
  }

  void keepsItsPlaceAndSizeInTheSettingsFile() {
    OpenWithCtrlG();
    Chart().move(40, 50);
    Chart().resize(700, 500);
    Chart().close();
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(
        saved.contains("chart_left=40\r\nchart_top=50\r\nchart_width=700\r\nchart_height=500\r\n"));

    // The next start opens the chart where it was.
    driver_ = std::make_unique<WindowDriver>();
    driver_->Platform->Separator = QStringLiteral(".");
    QFile next(SettingsPath());
    QVERIFY(next.open(QIODevice::WriteOnly));
    next.write(saved);
    next.close();
    driver_->Open();
    OpenWithCtrlG();
    QCOMPARE(Chart().pos(), QPoint(40, 50));
    QCOMPARE(Chart().size(), QSize(700, 500));
  }

  // A place saved above the screen (after a monitor was unplugged) or a size larger than the
  // screen opens the chart wholly on the 1600 x 1000 screen, its title bar within reach.
  void opensWithinTheScreenWhateverWasSaved() {
    driver_ = std::make_unique<WindowDriver>();
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[setting]\r\nchart_left=300\r\nchart_top=-99999\r\nchart_width=1800\r\n"
        "chart_height=1200\r\n");
    file.close();
    driver_->Open();
    OpenWithCtrlG();
    QCOMPARE(Chart().pos(), QPoint(0, 0));
    QCOMPARE(Chart().size(), QSize(1600, 1000));
  }
};

VAPORIN_WINDOW_TEST_MAIN(ChartWindowTest)

#include "chart_window_test.moc"
