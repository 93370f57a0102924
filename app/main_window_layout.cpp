// The controls of the main window, at their designed sizes and positions in layout units.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "app/accessible_tree.h"
#include "app/build_info.h"
#include "app/clickable_label.h"
#include "app/list_row.h"
#include "app/main_window.h"
#include "app/pixel_font.h"
#include "app/scaled_view.h"
#include "app/unit_panel.h"
#include "app/window_geometry.h"

namespace vaporin {

namespace {
constexpr int DesignedWidth = 340;
constexpr int DesignedHeight = 400;
constexpr int TitleBarHeight = 46;
constexpr int RowHeight = 38;
constexpr int FooterHeight = 36;
constexpr int BoxWidth = 90;
constexpr int BoxHeight = 32;
constexpr int BoxTop = 3;
constexpr int BoxRightMargin = 5;
constexpr int RowTextSize = 20;  // px, as the edit boxes
constexpr int TitleTextSize = 24;
constexpr int HintTextSize = 16;
constexpr int CreditTextSize = 12;  // px, drawn 1.2 times larger
constexpr double CreditEnlargement = 1.2;
constexpr int GearButtonWidth = 45;
constexpr int GearButtonHeight = 34;
constexpr int GearButtonTop = 1;
constexpr int GearButtonRightMargin = DesignedWidth - 287 - GearButtonWidth;
constexpr int GearDrawnSize = 32;
constexpr int ChartDrawnSize = 26;
constexpr int TimerIntervalMs = 100;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* MakeBox(const BoxInfo& info, ListRow* row) {
  auto* box = new QLineEdit(row);
  box->setObjectName(FromUtf8(info.Name));
  box->setAlignment(Qt::AlignCenter);
  // A face with narrow digits, so that a seven-character result fits the box.
  QFont font = PixelFont(RowTextSize, true);
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  box->setFont(font);
  box->setTextMargins(0, 0, 0, 0);
  // Numbers only: no input-method editor composing text in the box.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->setGeometry(0, BoxTop, BoxWidth, BoxHeight);
  row->AnchorRight(box, BoxRightMargin);
  row->LabelFor(box);
  return box;
}

// Drawn from their SVGs at build time, 90 px square, and shown at GearDrawnSize.
QPixmap GearPicture() { return QPixmap(QStringLiteral(":/vaporin/gear.png")); }
QPixmap ChartPicture() { return QPixmap(QStringLiteral(":/vaporin/chart.png")); }
}  // namespace

void TForm1::BuildControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Vaporin"));
  move(0, 0);

  VertScrollBox1 = new QScrollArea(this);
  VertScrollBox1->setObjectName(QStringLiteral("VertScrollBox1"));
  VertScrollBox1->setFrameShape(QFrame::NoFrame);
  VertScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  VertScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  VertScrollBox1->setWidgetResizable(false);
  VertScrollBox1->setGeometry(0, 0, DesignedWidth, DesignedHeight);
  auto* scrolled = new QWidget;
  scrolled->setObjectName(QStringLiteral("VertScrollBox1Content"));
  VertScrollBox1->setWidget(scrolled);

  ScaledLayout1 = new ScaledView(scrolled);
  ScaledLayout1->setObjectName(QStringLiteral("ScaledLayout1"));

  MainLayout1 = new QWidget(scrolled);
  MainLayout1->setObjectName(QStringLiteral("MainLayout1"));
  MainLayout1->resize(DesignedWidth, DesignedHeight);

  BuildList();
  BuildTitleBar();
  auto* stack = new QVBoxLayout(MainLayout1);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  stack->addWidget(ToolBar1);
  stack->addWidget(ListBox1, 1);

  RectMask = new QWidget(MainLayout1);
  RectMask->setObjectName(QStringLiteral("RectMask"));
  RectMask->hide();
  HideFromScreenReaders(RectMask);

  BuildHiddenParts();
  ApplyLook();
}

void TForm1::BuildTitleBar() {
  ToolBar1 = new QFrame(MainLayout1);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setFixedHeight(TitleBarHeight);

  L_title1 = new QLabel(QStringLiteral("Vaporin"), ToolBar1);
  L_title1->setObjectName(QStringLiteral("L_title1"));
  L_title1->setFont(PixelFont(TitleTextSize, true));
  L_title1->move(14, 17);
  L_title1->adjustSize();

  TopL = new QLabel(FromUtf8(SourceText(TextId::InputHint)), ToolBar1);
  TopL->setObjectName(QStringLiteral("TopL"));
  TopL->setFont(PixelFont(HintTextSize));
  TopL->move(99, 23);
  TopL->adjustSize();
}

void TForm1::BuildList() {
  ListBox1 = new QFrame(MainLayout1);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  auto* rows = new QVBoxLayout(ListBox1);
  // Inner margin of 1 at the top and 1 at the right.
  rows->setContentsMargins(0, 1, 1, 0);
  rows->setSpacing(0);
  auto makeRow = [&](const QString& name, const QString& title, int height) {
    auto* row = new ListRow(name, title, ListBox1);
    row->setFont(PixelFont(RowTextSize));
    row->setGeometry(0, 0, DesignedWidth, height);
    row->setFixedHeight(height);
    rows->addWidget(row);
    return row;
  };
  // A row is named after its title's place in the list of base titles.
  for (const BoxInfo& info : BoxTable) {
    ListRow* row = makeRow(QStringLiteral("ListBoxItem%1").arg(static_cast<int>(info.Title)),
                           FromUtf8(SourceText(info.Text)), RowHeight);
    rows_[IndexOf(info.Box)] = row;
    boxes_[IndexOf(info.Box)] = MakeBox(info, row);
  }
  ListBoxItem9 = makeRow(QStringLiteral("ListBoxItem9"), QString(), FooterHeight);
  rows->addStretch(1);

  for (size_t i = 1; i < boxes_.size(); ++i) QWidget::setTabOrder(boxes_[i - 1], boxes_[i]);

  BuildFooter(ListBoxItem9);
  ExposeChildren(ListBoxItem9);
}

void TForm1::BuildFooter(ListRow* footer) {
  air_f = new ClickableLabel(QStringLiteral(VAPORIN_CREDIT_TEXT), footer);
  air_f->setObjectName(QStringLiteral("air_f"));
  QFont serif(QStringLiteral("Times New Roman"));
  serif.setStyleHint(QFont::Serif);
  serif.setPixelSize(static_cast<int>(CreditTextSize * CreditEnlargement + 0.5));
  air_f->setFont(serif);
  air_f->setCursor(Qt::PointingHandCursor);
  air_f->adjustSize();
  footer->AnchorCentre(air_f);

  // Never seen: it only takes the focus away from the edit boxes.
  Button1 = new QPushButton(QStringLiteral("Button1"), footer);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFlat(true);
  Button1->setFocusPolicy(Qt::ClickFocus);
  Button1->setGeometry(-8, -336, 0, 0);
  HideFromScreenReaders(Button1);

  Set_Button1 = new QPushButton(footer);
  Set_Button1->setObjectName(QStringLiteral("Set_Button1"));
  Set_Button1->setFocusPolicy(Qt::NoFocus);
  Set_Button1->setFlat(true);
  Set_Button1->setGeometry(0, GearButtonTop, GearButtonWidth, GearButtonHeight);
  footer->AnchorRight(Set_Button1, GearButtonRightMargin);
  // The gear's picture lies over the button, beside it in the footer rather than inside it, so
  // that screen readers meet the named button and not a nameless picture within it.
  Image2 = new QLabel(footer);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setPixmap(GearPicture());
  Image2->setScaledContents(true);
  Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image2->setGeometry(0, GearButtonTop + (GearButtonHeight - GearDrawnSize) / 2, GearDrawnSize,
                      GearDrawnSize);
  footer->AnchorRight(Image2, GearButtonRightMargin + (GearButtonWidth - GearDrawnSize) / 2);
  HideFromScreenReaders(Image2);

  // The chart's button, beside the gear and alike; a picture of a chart is its only text.
  Chart_Button1 = new QPushButton(footer);
  Chart_Button1->setObjectName(QStringLiteral("Chart_Button1"));
  Chart_Button1->setFocusPolicy(Qt::NoFocus);
  Chart_Button1->setFlat(true);
  Chart_Button1->setIcon(QIcon(ChartPicture()));
  Chart_Button1->setIconSize(QSize(ChartDrawnSize, ChartDrawnSize));
  Chart_Button1->setGeometry(0, GearButtonTop, GearButtonWidth, GearButtonHeight);
  footer->AnchorRight(Chart_Button1, GearButtonRightMargin + GearButtonWidth);
}

void TForm1::BuildHiddenParts() {
  LB_txt = new QListWidget(MainLayout1);
  LB_txt->setObjectName(QStringLiteral("LB_txt"));
  for (const std::string& title : EnglishBaseTitles()) LB_txt->addItem(FromUtf8(title));
  LB_txt->hide();
  HideFromScreenReaders(LB_txt);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(TimerIntervalMs);
  Timer1->start();
}

void TForm1::ApplyLook() {
  // Palettes rather than a style sheet: the same colours at a fraction of the start-up cost.
  auto colour = [](QWidget* widget, QPalette::ColorRole role, const QColor& value) {
    QPalette palette = widget->palette();
    palette.setColor(role, value);
    widget->setPalette(palette);
  };
  auto fill = [&colour](QWidget* widget, const QColor& value) {
    colour(widget, QPalette::Window, value);
    widget->setAutoFillBackground(true);
  };
  MainLayout1->setAutoFillBackground(true);
  fill(ToolBar1, QColor(0x2a, 0x6f, 0x97));
  colour(L_title1, QPalette::WindowText, Qt::white);
  colour(TopL, QPalette::WindowText, QColor(0xd6, 0xe6, 0xf0));
  for (ListRow* row : rows_) row->SetBoxed(true);
  colour(air_f, QPalette::WindowText, QColor(192, 192, 192));
  fill(RectMask, QColor(0, 0, 0, 51));
}

}  // namespace vaporin
