#include "app/main_window.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <memory>
#include <stdexcept>

#include "app/application.h"
#include "app/build_info.h"
#include "app/clickable_label.h"
#include "app/list_row.h"
#include "app/scaled_view.h"
#include "app/unit_panel.h"
#include "tests/app/fake_platform.h"
#include "tests/app/test_timeouts.h"
#include "tests/app/window_test_main.h"

using namespace vaporin;

class MainWindowTest : public QObject {
  Q_OBJECT

 public:
  QStringList ErrorsShown;

 private:
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<TForm1> form_;

  TForm1& Form() { return *form_; }

 private slots:
  void initTestCase() { InstallWarningFilter(); }

  void init() {
    platform_ = std::make_unique<FakePlatform>();
    QVERIFY(platform_->DocumentsDir.isValid());
    ErrorsShown.clear();
    form_ = std::make_unique<TForm1>(*platform_);
  }

  void cleanup() {
    form_.reset();
    platform_.reset();
    QCOMPARE(ErrorsShown, QStringList());
    QCOMPARE(TakeUnexpectedWarnings(), QStringList());
  }

  void opensAtTheStartUpSizeWithEmptyBoxes() {
    QCOMPARE(Form().pos(), QPoint(0, 0));
    QCOMPARE(Form().size(), QSize(288, 320));
    QCOMPARE(Form().windowTitle(), QStringLiteral("Vaporin"));
    QCOMPARE(Form().ScaledLayout1->ReferenceSize(), QSize(385, 401));
    QCOMPARE(Form().ScaledLayout1->Content(), Form().MainLayout1);
    QVERIFY(!Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (QLineEdit* box : Form().Boxes()) QVERIFY(box->text().isEmpty());
    QCOMPARE(Form().Core().Params().UnitMode, 0);
    QCOMPARE(Form().Core().Params().KelvinOffset, 273.1499938964844);
    QCOMPARE(Form().Core().PairCode(), 0);
    QVERIFY(!Form().Core().DisplayLock());
  }

  void findsEveryControlByItsName() {
    QWidget* content = Form().MainLayout1;
    for (const char* name :
         {"ToolBar1",     "L_title1",     "TopL",         "ListBox1",     "ListBoxItem1",
          "ListBoxItem2", "ListBoxItem3", "ListBoxItem4", "ListBoxItem5", "ListBoxItem6",
          "ListBoxItem7", "ListBoxItem8", "ListBoxItem9", "DB",           "RH",
          "VH",           "SH",           "DP",           "ENH",          "WB",
          "SV",           "air_f",        "Button1",      "Set_Button1",  "Image2",
          "RectMask",     "LB_txt"}) {
      QVERIFY2(content->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
    QCOMPARE(Form().objectName(), QStringLiteral("Form1"));
    QCOMPARE(Form().VertScrollBox1->objectName(), QStringLiteral("VertScrollBox1"));
    QCOMPARE(Form().ScaledLayout1->objectName(), QStringLiteral("ScaledLayout1"));
    QCOMPARE(Form().Timer1->interval(), 100);
  }

  void listsTheRowsInTheirOrderAndSizes() {
    const QList<ListRow*> rows = {Form().ListBoxItem1, Form().ListBoxItem2, Form().ListBoxItem8,
                                  Form().ListBoxItem3, Form().ListBoxItem4, Form().ListBoxItem5,
                                  Form().ListBoxItem6, Form().ListBoxItem7, Form().ListBoxItem9};
    const QStringList titles = {
        " Dry Bulb Temperature[°C]",     " Relative Humidity[%]:",     " Absolute Humidity[g/m³]",
        " Specific Humidity[kg/kg(DA)]", " Dew Point Temperature[°C]", " Specific Enthalpy[kJ/kg]",
        " Wet Bulb Temperature[°C]",     " Specific Volume[m³/kg]",    ""};
    // The fake user writes decimals with a comma.
    QCOMPARE(Form().TopL->text(), QStringLiteral("Input 2 params(101,325kPa)"));
    int top = 1;
    for (int i = 0; i < rows.size(); ++i) {
      QCOMPARE(rows[i]->Text(), titles[i]);
      QCOMPARE(rows[i]->y(), top);
      QCOMPARE(rows[i]->height(), i < 8 ? 38 : 36);
      top += rows[i]->height();
    }
    // Each box sits 5 units from its row's right edge.
    for (QLineEdit* box : Form().Boxes()) {
      QCOMPARE(box->size(), QSize(90, 32));
      QCOMPARE(box->parentWidget()->width() - box->geometry().right() - 1, 5);
    }
  }

  void keepsTheBaseTitlesHidden() {
    QListWidget* titles = Form().LB_txt;
    QVERIFY(titles->isHidden());
    const QStringList expected = {
        "Input 2 params",        " Dry Bulb Temperature",  " Relative Humidity",
        " Specific Humidity",    " Dew Point Temperature", " Specific Enthalpy",
        " Wet Bulb Temperature", " Specific Volume",       " Absolute Humidity"};
    QCOMPARE(titles->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(titles->item(i)->text(), expected[i]);
  }

  // The panel is built when the gear is first clicked, over the content, in front of it.
  void buildsThePanelOnFirstUseOverTheContent() {
    QVERIFY(Form().Panel_Con == nullptr);
    QVERIFY(Form().RectMask->isHidden());
    QCOMPARE(Form().RectMask->geometry(), Form().MainLayout1->rect());
    Form().show();
    QTest::mouseClick(Form().Set_Button1, Qt::LeftButton);
    QVERIFY(Form().Panel_Con != nullptr);
    QCOMPARE(Form().MainLayout1->findChild<QWidget*>(QStringLiteral("Panel_Con")),
             Form().Panel_Con);
    QCOMPARE(Form().Panel_Con->parentWidget(), Form().MainLayout1);
    QCOMPARE(Form().MainLayout1->children().last(), Form().Panel_Con);
    QVERIFY(Form().Panel_Con->isVisible());
  }

  void editBoxesAreCentredBoldWithoutInputMethodInTabOrder() {
    const auto boxes = Form().Boxes();
    for (QLineEdit* box : boxes) {
      QVERIFY(box->alignment().testFlag(Qt::AlignHCenter));
      QVERIFY(box->font().bold());
      QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));
      QVERIFY(!box->accessibleName().isEmpty());
    }
    for (size_t i = 1; i < boxes.size(); ++i) {
      QWidget* next = boxes[i - 1]->nextInFocusChain();
      while (next->focusPolicy() == Qt::NoFocus || !next->isEnabled()) {
        next = next->nextInFocusChain();
      }
      QCOMPARE(next, boxes[i]);
    }
    QVERIFY((Form().Button1->focusPolicy() & Qt::TabFocus) == 0);
  }

  // A screen reader walks down from the window: it must reach every box, under the name its row
  // shows, through parents that agree with their children, and never the invisible helpers.
  void screenReadersReachTheBoxesButNotTheHelpers() {
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form(), WindowTestTimeoutMs));
    QHash<QObject*, QString> reached;
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&Form())};
    while (!pending.isEmpty()) {
      QAccessibleInterface* node = pending.takeLast();
      for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        QVERIFY(child != nullptr);
        QCOMPARE(child->parent()->object(), node->object());
        QCOMPARE(node->indexOfChild(child), i);
        reached.insert(child->object(), child->text(QAccessible::Name));
        pending.append(child);
      }
    }
    for (QLineEdit* box : Form().Boxes()) {
      QVERIFY2(reached.contains(box), qPrintable(box->objectName()));
      QCOMPARE(reached.value(box), box->accessibleName());
    }
    QCOMPARE(reached.value(Form().DB), QStringLiteral("Dry Bulb Temperature[°C]"));
    // Each row's title labels its box.
    for (const BoxInfo& info : BoxTable) {
      const auto labels = QAccessible::queryAccessibleInterface(Form().Box(info.Box))
                              ->relations(QAccessible::Label);
      QCOMPARE(labels.size(), 1);
      QCOMPARE(labels.front().first->object(),
               static_cast<const QObject*>(Form().Row(info.Box)->TitleLabel()));
    }
    QCOMPARE(reached.value(Form().Set_Button1), QStringLiteral("Unit Configuration"));
    QCOMPARE(reached.value(Form().Chart_Button1), QStringLiteral("Psychrometric chart"));
    for (QObject* helper :
         {static_cast<QObject*>(Form().Button1), static_cast<QObject*>(Form().LB_txt),
          static_cast<QObject*>(Form().RectMask), static_cast<QObject*>(Form().Image2)}) {
      QVERIFY2(!reached.contains(helper), qPrintable(helper->objectName()));
    }
  }

  void setsTheSettingsPathAndTheDecimalSeparators() {
    QCOMPARE(QString::fromStdString(Form().Settings().Path().string()),
             platform_->Documents + QStringLiteral("/vaporin.ini"));
    QCOMPARE(Form().Core().DecimalSeparator(), std::string(","));
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral("."));
  }

  void scalesTheContentOnResize_data() {
    QTest::addColumn<QSize>("window");
    QTest::newRow("start-up") << QSize(288, 320);
    QTest::newRow("portrait") << QSize(300, 500);
    QTest::newRow("landscape") << QSize(800, 600);
    QTest::newRow("tall landscape") << QSize(1200, 800);
    QTest::newRow("square") << QSize(800, 800);
    QTest::newRow("wide") << QSize(1600, 600);
  }

  // The content is scaled by one factor on both axes, the smaller ratio, so that letters and the
  // gear keep their shapes and the gear and the credit line stay in view; it sits in the middle
  // of the window, and nothing scrolls.
  void scalesTheContentOnResize() {
    QFETCH(QSize, window);
    Form().show();
    Form().resize(window);
    QTRY_COMPARE_WITH_TIMEOUT(Form().VertScrollBox1->size(), window, WindowTestTimeoutMs);
    QCOMPARE(Form().ScaledLayout1->geometry(), QRect(QPoint(0, 0), window));
    const QTransform scale = Form().ScaledLayout1->transform();
    const double factor = std::min(window.width() / 385.0, window.height() / 401.0);
    QVERIFY(qAbs(scale.m11() - factor) < 1e-9);
    QVERIFY(qAbs(scale.m22() - factor) < 1e-9);
    const QRectF content =
        Form().ScaledLayout1->mapFromScene(QRectF(0, 0, 385, 401)).boundingRect();
    QVERIFY2(qAbs(content.left() - (window.width() - content.right())) <= 1.5 &&
                 qAbs(content.top() - (window.height() - content.bottom())) <= 1.5,
             "the content is in the middle");
    QCOMPARE(Form().VertScrollBox1->verticalScrollBar()->maximum(), 0);
    for (QWidget* footer :
         {static_cast<QWidget*>(Form().Set_Button1), static_cast<QWidget*>(Form().air_f)}) {
      const QPoint bottom = footer->mapTo(Form().MainLayout1, footer->rect().bottomRight());
      const QPointF shown = Form().ScaledLayout1->mapFromScene(bottom);
      QVERIFY2(shown.y() <= window.height() && shown.x() <= window.width(),
               qPrintable(footer->objectName()));
    }
  }

  void placesTheHintAfterTheTitle() {
    Form().show();
    Form().resize(400, 500);
    QLabel* title = Form().L_title1;
    QLabel* hint = Form().TopL;
    QTRY_COMPARE_WITH_TIMEOUT(hint->x(), title->x() + title->width() + 6, WindowTestTimeoutMs);
    QCOMPARE(hint->y() + hint->height(), title->y() + title->height() - 2);
  }

  // Nothing scrolls any more; when the keyboard hides, the content is where it was, with the
  // panel's heading in view.
  void scrollsBackToTheTopWhenTheKeyboardHides() {
    Form().show();
    QScrollBar* bar = Form().VertScrollBox1->verticalScrollBar();
    bar->setValue(bar->maximum());
    Form().FormVirtualKeyboardHidden();
    QCOMPARE(bar->value(), 0);
    QTest::mouseClick(Form().Set_Button1, Qt::LeftButton);
    const QPoint heading = Form().Panel_Con->L_title2->mapTo(Form().MainLayout1, QPoint(0, 0));
    QVERIFY(Form().ScaledLayout1->mapFromScene(heading).y() >= 0);
  }

  // Started at start-up for one tick 100 ms later (driven here), which leaves the focus in the
  // first box, where typing starts.
  void theStartUpTickLeavesTheFocusInTheFirstBox() {
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form(), WindowTestTimeoutMs));
    QVERIFY(Form().Timer1->isActive());
    QCOMPARE(Form().Timer1->interval(), 100);
    QCOMPARE(Form().MainLayout1->focusWidget(), Form().DB);
    Form().Timer1Timer();
    QVERIFY(!Form().Timer1->isActive());
    QCOMPARE(Form().MainLayout1->focusWidget(), Form().DB);
  }

  void creditLineOpensTheMakersPage() {
    Form().show();
    QTest::mouseClick(Form().air_f, Qt::LeftButton);
    QCOMPARE(platform_->OpenedAddresses, QStringList{QStringLiteral(VAPORIN_WEB_ADDRESS)});
    QCOMPARE(Form().air_f->text(), QStringLiteral(VAPORIN_CREDIT_TEXT));
  }

  void switchesStayOnTopBothWays() {
    Form().show();
    Form().SetStayOnTop(true);
    QVERIFY(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form().isVisible());
    Form().SetStayOnTop(false);
    QVERIFY(!Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form().isVisible());
  }

  void destroyingTheWindowEndsTheProcessWithZero() {
    QVERIFY(!platform_->EndedWith.has_value());
    form_.reset();
    QCOMPARE(platform_->EndedWith, std::optional<int>(0));
  }

  void anErrorInAHandlerReachesTheErrorBox() {
    RunGuarded([] { throw std::runtime_error("Cannot write the settings file"); });
    // An error thrown inside an event handler is stopped at the handler, not by Qt.
    QTimer::singleShot(0, [] { RunGuarded([] { throw 7; }); });
    QTRY_COMPARE_WITH_TIMEOUT(ErrorsShown.size(), 2, WindowTestTimeoutMs);
    QCOMPARE(ErrorsShown,
             (QStringList{QStringLiteral("Cannot write the settings file."), QString()}));
    ErrorsShown.clear();
  }
};

VAPORIN_WINDOW_TEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
