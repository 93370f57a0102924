#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

#include "app/clickable_label.h"
#include "app/main_window.h"
#include "app/scaled_view.h"
#include "app/unit_panel.h"
#include "app/window_combo_box.h"
#include "tests/app/test_timeouts.h"
#include "tests/app/text_fit_check.h"
#include "tests/app/window_driver.h"
#include "tests/app/window_test_main.h"

using namespace vaporin;

// A new user's first minute, under a real X server, in every language at three window sizes:
// everything in view, every list whole, no text cut, typing straight away, the panel by keys,
// and Copy all.
class X11SessionTest : public QObject {
  Q_OBJECT

 public:
  QStringList ErrorsShown;

 private:
  std::unique_ptr<WindowDriver> driver_;

  TForm1& Form() { return *driver_->Form; }

  // A real pointer or key event through the X server's test extension, as a user's own.
  static void Xdotool(const QStringList& arguments) {
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
  }
  static void ClickAt(const QPoint& at, int button) {
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
             QString::number(at.y()), QStringLiteral("click"), QString::number(button)});
  }

  // The menu open now, once it is a visible window whose entries are all on the screen.
  static QMenu* OpenMenu() {
    QMenu* menu = nullptr;
    auto shown = [&] {
      menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      return menu != nullptr && menu->isVisible() && menu->isWindow();
    };
    [&] { QTRY_VERIFY_WITH_TIMEOUT(shown(), WindowTestTimeoutMs); }();
    return menu;
  }

  // Whether the widget of the scaled content shows whole within the window's view.
  bool InView(const QWidget* widget) {
    const QRect inContent(widget->mapTo(Form().MainLayout1, QPoint(0, 0)), widget->size());
    const QRect onView = Form().ScaledLayout1->mapFromScene(QRectF(inContent)).boundingRect();
    return Form().ScaledLayout1->viewport()->rect().contains(onView);
  }

 private slots:
  void initTestCase() {
    InstallWarningFilter();
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
  }

  void cleanup() {
    driver_.reset();
    QCOMPARE(ErrorsShown, QStringList());
  }

  void aNewUserGetsThroughEverywhere_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QSize>("size");
    for (int language = 0; language < 9; ++language) {
      for (const QSize size : {QSize(288, 320), QSize(600, 800), QSize(1200, 800)}) {
        QTest::newRow(qPrintable(QStringLiteral("language %1 at %2x%3")
                                     .arg(language)
                                     .arg(size.width())
                                     .arg(size.height())))
            << language << size;
      }
    }
  }

  void aNewUserGetsThroughEverywhere() {
    QFETCH(int, language);
    QFETCH(QSize, size);
    driver_ = std::make_unique<WindowDriver>();
    driver_->Platform->Separator = QStringLiteral(",");
    QFile settings(driver_->Platform->Documents + QStringLiteral("/vaporin.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[setting]\r\nlang=%1\r\npos_width=%2\r\npos_height=%3\r\n")
                       .arg(language)
                       .arg(size.width())
                       .arg(size.height())
                       .toLatin1());
    settings.close();
    driver_->Open();
    QWindow* window = Form().windowHandle();
    window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window, WindowTestTimeoutMs));
    QCOMPARE(Form().size(), size);

    // The gear, the chart's button and the credit line are in view from the start.
    for (const QWidget* shown : {static_cast<const QWidget*>(Form().Set_Button1),
                                 static_cast<const QWidget*>(Form().Chart_Button1),
                                 static_cast<const QWidget*>(Form().air_f)}) {
      QVERIFY2(InView(shown), qPrintable(shown->objectName()));
    }

    // Typing goes to the first box at once.
    for (const Qt::Key key :
         {Qt::Key_2, Qt::Key_5, Qt::Key_Return, Qt::Key_5, Qt::Key_0, Qt::Key_Return}) {
      QTest::keyClick(window, key);
    }
    QCOMPARE(Form().DB->text(), QStringLiteral("25,00"));
    QCOMPARE(Form().SV->text(), QStringLiteral("0,8582"));

    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList copied =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 9);
    QVERIFY(copied.at(1).contains(QStringLiteral("\t25,00\t°C")));

    // The panel by keys; every list in it opens whole on the screen and takes its last entry.
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    UnitPanel& panel = *Form().Panel_Con;
    QVERIFY(panel.isVisible());
    QVERIFY(InView(panel.L_title2));
    VerifyEveryTextFits(Form(), panel);
    for (QComboBox* combo :
         {panel.CB1, panel.CB2, panel.CB3, panel.CB4, panel.CB5, panel.CB6, panel.CB7}) {
      auto* windowed = static_cast<WindowComboBox*>(combo);
      windowed->showPopup();
      QMenu* list = windowed->OpenList();
      QVERIFY(list != nullptr);
      QVERIFY(QTest::qWaitForWindowExposed(list, WindowTestTimeoutMs));
      QCOMPARE(list->actions().size(), combo->count());
      QVERIFY(list->screen()->geometry().contains(list->geometry()));
      QAction* last = list->actions().last();
      QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->actionGeometry(last).center());
      QCOMPARE(combo->currentIndex(), combo->count() - 1);
    }
    // The last list closes through the X server; until then Esc would go to it.
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, WindowTestTimeoutMs);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!panel.isVisible(), WindowTestTimeoutMs);
    QCOMPARE(Form().Core().Units().LanguageIndex, language);  // Esc took none of it over
  }

  // A right-click on each box, a real button-3 press, opens the box's menu as a window of its own
  // with every entry on the screen, at every window size; its "Copy all" copies the display.
  // The menu key's Shift+F10 opens it under the box.
  void aRightClickOpensTheBoxMenuAsAWindow_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("box");
    for (const QSize size : {QSize(330, 360), QSize(600, 640), QSize(1200, 800)}) {
      for (int box = 0; box < static_cast<int>(EditBoxCount); ++box) {
        QTest::newRow(qPrintable(
            QStringLiteral("box %1 at %2x%3").arg(box).arg(size.width()).arg(size.height())))
            << size << box;
      }
    }
  }

  void aRightClickOpensTheBoxMenuAsAWindow() {
    QFETCH(QSize, size);
    QFETCH(int, box);
    driver_ = std::make_unique<WindowDriver>();
    driver_->Open();
    Form().resize(size);
    QWindow* window = Form().windowHandle();
    window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window, WindowTestTimeoutMs));
    driver_->ShowTheOverviewState();
    driver_->LetTheTimerTick();
    QGuiApplication::clipboard()->clear();

    QLineEdit* edit = Form().Box(static_cast<EditBox>(box));
    ClickAt(ScreenPoint(edit, edit->rect().center()), 3);
    QMenu* menu = OpenMenu();
    QVERIFY(menu != nullptr);
    const QRect screen = menu->screen()->geometry();
    QVERIFY2(screen.contains(menu->geometry()), "the menu is on the screen");
    QCOMPARE(menu->parentWidget(), static_cast<QWidget*>(&Form()));
    QAction* copyAll = menu->actions().last();
    QCOMPARE(copyAll->text(), QStringLiteral("Copy all"));
    for (QAction* entry : menu->actions()) {
      if (entry->isSeparator()) continue;
      QVERIFY2(screen.contains(menu->mapToGlobal(menu->actionGeometry(entry).center())),
               qPrintable(entry->text()));
    }
    ClickAt(menu->mapToGlobal(menu->actionGeometry(copyAll).center()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(
        QGuiApplication::clipboard()->text().contains(QStringLiteral("\t25,00\t°C")),
        WindowTestTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, WindowTestTimeoutMs);

    // The keys go where the X server's focus is: the window, with the pointer over it.
    ClickAt(ScreenPoint(edit, edit->rect().center()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), WindowTestTimeoutMs);
    Xdotool({QStringLiteral("key"), QStringLiteral("shift+F10")});
    menu = OpenMenu();
    QVERIFY(menu != nullptr);
    const QPoint under = ScreenPoint(edit, edit->rect().bottomLeft());
    QVERIFY2((menu->geometry().topLeft() - under).manhattanLength() <= 4 ||
                 !screen.contains(QRect(under, menu->size())),
             "the menu opens under the box");
    Xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, WindowTestTimeoutMs);
  }
};

VAPORIN_WINDOW_TEST_MAIN(X11SessionTest)

#include "x11_session_test.moc"
