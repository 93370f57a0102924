#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "app/unit_panel.h"
#include "tests/app/fake_platform.h"
#include "tests/app/window_test_main.h"

using namespace vaporin;

// The settings file as start-up reads it and shutdown writes it, through the real window.
class WindowSettingsTest : public QObject {
  Q_OBJECT

 public:
  QStringList ErrorsShown;

 private:
  std::unique_ptr<FakePlatform> platform_;

  QString SettingsPath() const { return platform_->Documents + QStringLiteral("/vaporin.ini"); }

  void WriteSettings(const QByteArray& bytes) {
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray ReadSettings() const {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() { InstallWarningFilter(); }

  void init() {
    platform_ = std::make_unique<FakePlatform>();
    ErrorsShown.clear();
  }

  void cleanup() {
    platform_.reset();
    QCOMPARE(TakeUnexpectedWarnings(), QStringList());
  }

  void startsFromTheFile_data() {
    QTest::addColumn<QByteArray>("file");  // empty: no file
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<int>("temperatureUnit");
    QTest::addColumn<int>("languageIndex");  // the fake system speaks English

    const QSize startUp(288, 320);
    QTest::newRow("no file") << QByteArray() << false << QPoint(0, 0) << startUp << false << 0 << 1;
    QTest::newRow("only pos_left") << QByteArray("[setting]\r\npos_left=100\r\n") << false
                                   << QPoint(100, 0) << startUp << false << 0 << 1;
    QTest::newRow("saved size") << QByteArray("[setting]\npos_width=500\npos_height=600\n") << false
                                << QPoint(0, 0) << QSize(500, 600) << false << 0 << 1;
    QTest::newRow("stayontop 1") << QByteArray("[setting]\nstayontop=1\n") << false << QPoint(0, 0)
                                 << startUp << true << 0 << 1;
    QTest::newRow("stayontop 2") << QByteArray("[setting]\nstayontop=2\n") << false << QPoint(0, 0)
                                 << startUp << false << 0 << 1;
    QTest::newRow("capital key, hex value") << QByteArray("[SETTING]\nTE=0x2\nlang=5\n") << false
                                            << QPoint(0, 0) << startUp << false << 2 << 5;
    QTest::newRow("shift with a file") << QByteArray("[setting]\nte=2\npos_left=100\nstayontop=1\n")
                                       << true << QPoint(0, 0) << startUp << false << 0 << 1;
    QTest::newRow("hostile sizes") << QByteArray(
                                          "[setting]\npos_left=99999999999\npos_top=-2147483648\n"
                                          "pos_width=2147483647\npos_height=-5\n")
                                   << false << QPoint(0, 0) << QSize(1600, 320) << false << 0 << 1;
    // Saved on a wider screen, or above this one: moved wholly onto the screen.
    QTest::newRow("past the screen's edges")
        << QByteArray("[setting]\npos_left=1500\npos_top=-99999\n") << false
        << QPoint(1600 - 288, 0) << startUp << false << 0 << 1;
    // A window nobody can use is not kept: it opens at the start-up size.
    QTest::newRow("zero size") << QByteArray("[setting]\npos_width=0\npos_height=0\n") << false
                               << QPoint(0, 0) << startUp << false << 0 << 1;
    QTest::newRow("below usable") << QByteArray("[setting]\npos_width=99\npos_height=100\n")
                                  << false << QPoint(0, 0) << QSize(288, 100) << false << 0 << 1;
    QTest::newRow("unit off its list")
        << QByteArray("[setting]\nte=5\n") << false << QPoint(0, 0) << startUp << false << 0 << 1;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff[setting\x01]\n=\n\xfe\xfe", 13) << false
                                    << QPoint(0, 0) << startUp << false << 0 << 1;

    QCOMPARE(TakeUnexpectedWarnings(), QStringList());
  }

  void startsFromTheFile() {
    QFETCH(QByteArray, file);
    QFETCH(bool, shift);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(bool, onTop);
    QFETCH(int, temperatureUnit);
    QFETCH(int, languageIndex);
    if (!file.isEmpty()) WriteSettings(file);
    platform_->ShiftHeld = shift;

    auto form = std::make_unique<TForm1>(*platform_);
    QCOMPARE(form->pos(), position);
    QCOMPARE(form->size(), size);
    QCOMPARE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(static_cast<int>(form->Core().Units().TemperatureUnit), temperatureUnit);
    QCOMPARE(form->Core().Units().LanguageIndex, languageIndex);
    if (shift) QVERIFY(!QFile::exists(SettingsPath()));
    QVERIFY(ErrorsShown.isEmpty());
  }

  void exitWritesTheFourGeometryKeysAndEndsWithZero() {
    {
      TForm1 form(*platform_);
      form.move(12, 34);
      form.resize(400, 500);
    }
    QCOMPARE(ReadSettings(), QByteArray("\xEF\xBB\xBF[setting]\r\npos_left=12\r\npos_top=34\r\n"
                                        "pos_width=400\r\npos_height=500\r\n\r\n"));
    QCOMPARE(platform_->EndedWith, std::optional<int>(0));
  }

  void shiftResetLeavesOnlyTheGeometryAfterExit() {
    WriteSettings("[setting]\r\nte=2\r\nlang=5\r\n");
    platform_->ShiftHeld = true;
    { TForm1 form(*platform_); }
    QCOMPARE(ReadSettings(), QByteArray("\xEF\xBB\xBF[setting]\r\npos_left=0\r\npos_top=0\r\n"
                                        "pos_width=288\r\npos_height=320\r\n\r\n"));
  }

  void shiftWithoutAFileStartsNormally() {
    platform_->ShiftHeld = true;
    TForm1 form(*platform_);
    QCOMPARE(form.size(), QSize(288, 320));
  }

  void exitKeepsEveryLineItDoesNotWrite() {
    WriteSettings("; mine\n[other]\nname=1\n[setting] ; units\nte=1\nmine=7\npos_left=3\n");
    { TForm1 form(*platform_); }
    QCOMPARE(ReadSettings(),
             QByteArray("\xEF\xBB\xBF; mine\n[other]\nname=1\n[setting] ; units\nte=1\nmine=7\n"
                        "pos_left=3\npos_top=0\npos_width=288\npos_height=320\n"));
  }

  // A file the program cannot read whole starts the window with the defaults and stays as it
  // is; the exit says why it was not written.
  void aFileNotReadWholeIsLeftAsItIs() {
    QByteArray big("[setting]\npos_left=7\n");
    const QByteArray junk(1023, 'x');
    for (int i = 0; i < 2 * 1024; ++i) big += junk + '\n';
    WriteSettings(big);
    {
      TForm1 form(*platform_);
      QCOMPARE(form.pos(), QPoint(0, 0));
    }
    QCOMPARE(ReadSettings(), big);
    QCOMPARE(ErrorsShown.size(), 1);
    QVERIFY2(ErrorsShown.front().contains(QStringLiteral("could not be read")),
             qPrintable(ErrorsShown.front()));
    QCOMPARE(platform_->EndedWith, std::optional<int>(0));
  }

  void aDirectoryInPlaceOfTheFileStartsAsNewAndReportsTheFailedExit() {
    QVERIFY(QDir().mkpath(SettingsPath()));
    {
      TForm1 form(*platform_);
      QCOMPARE(form.size(), QSize(288, 320));
    }
    QCOMPARE(ErrorsShown.size(), 1);
    QVERIFY2(ErrorsShown.front().contains(QStringLiteral("could not be read (not a regular file)")),
             qPrintable(ErrorsShown.front()));
    QCOMPARE(platform_->EndedWith, std::optional<int>(0));
  }
};

VAPORIN_WINDOW_TEST_MAIN(WindowSettingsTest)

#include "window_settings_test.moc"
