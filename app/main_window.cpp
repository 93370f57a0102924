#include "app/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <clocale>

#include "app/application.h"
#include "app/build_info.h"
#include "app/clickable_label.h"
#include "app/platform.h"
#include "app/scaled_view.h"
#include "app/screen_fit.h"
#include "app/text_fits.h"
#include "app/unit_panel.h"
#include "app/window_geometry.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"

namespace vaporin {

namespace {
constexpr double StartUpWidthFactor = 0.75;
constexpr double StartUpHeightFactor = 0.8;
constexpr double TitleHintGap = 6.0;
constexpr double PanelHeadingGap = 12.0;
constexpr int HintRightMargin = 4;

LabelBox BoxOf(const QLabel* label) {
  return {static_cast<double>(label->x()), static_cast<double>(label->y()),
          static_cast<double>(label->width()), static_cast<double>(label->height())};
}

void PlaceHintAfterTitle(QLabel* title, QLabel* hint, double gap) {
  title->adjustSize();
  hint->adjustSize();
  const Position at = PlaceAfter(BoxOf(title), hint->height(), gap);
  hint->move(static_cast<int>(at.Left), static_cast<int>(at.Top));
  // The hint ends at the bar's right edge: a smaller font, then an ellipsis.
  FitInto(hint, hint->parentWidget()->width() - hint->x() - HintRightMargin);
}
}  // namespace

TForm1::TForm1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
  BuildControls();
  ConnectGuarded(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, this, [this] {
    if (!QGuiApplication::inputMethod()->isVisible()) FormVirtualKeyboardHidden();
  });
  ConnectGuarded(air_f, &ClickableLabel::Clicked, this, [this] { air_fClick(); });
  ConnectGuarded(Set_Button1, &QPushButton::clicked, this, [this] { Set_Button1Click(); });
  ConnectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  ConnectGuarded(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this), &QShortcut::activated,
                 this, [this] { Set_Button1Click(); });
  ConnectGuarded(Chart_Button1, &QPushButton::clicked, this, [this] { Chart_Button1Click(); });
  ConnectGuarded(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated,
                 this, [this] { Chart_Button1Click(); });
  ConnectGuarded(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this),
                 &QShortcut::activated, this, [this] { CopyAll(); });
  for (QLineEdit* box : Boxes()) box->installEventFilter(this);
  Button1->installEventFilter(this);
  RunGuarded([this] { FormCreate(); });
  // Typing starts in the first box: the window's keys go to the view, the view's to the box.
  ScaledLayout1->setFocus(Qt::OtherFocusReason);
  DB->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormCreate() {
  // The calculator starts with the default choices, a clear state and the display unlocked.
  SetSettingsPath();
  ResetSettingsWhenShiftIsHeld();
  ReadSettingsPassOne();
  ApplyLanguage();
  MoveContentIntoScaledLayout();
  ApplyStartUpSize();
  // No on-screen keyboard toolbar service exists on the desktop; there is nothing to switch on.
  FillWindowWithScrollBox();
  TakeOverDecimalSeparator();
  ApplyUnitLabels();
  PrepareSettingsPanel();
  ReadSettingsPassTwo();
  FitOnScreen(this);
}

void TForm1::SetSettingsPath() {
  const QString folder = platform_.DocumentsFolder() + QDir::separator();
  const QString name =
      QString::fromUtf8(IniFileName.data(), static_cast<qsizetype>(IniFileName.size()));
  settings_ = SettingsStore(QFile::encodeName(folder + name).toStdString());
}

void TForm1::ResetSettingsWhenShiftIsHeld() {
  if (platform_.IsShiftHeld()) settings_.Forget();
}

void TForm1::ReadSettingsPassOne() {
  saved_ = settings_.ReadStartUp();
  if (!saved_) return;
  core_.RestoreChoices(saved_->Units);
  move(ClampWindowPosition(saved_->Left), ClampWindowPosition(saved_->Top));
}

void TForm1::ReadSettingsPassTwo() {
  if (!saved_) return;
  resize(UsableWindowExtent(saved_->Width.value_or(width()), width()), height());
  resize(width(), UsableWindowExtent(saved_->Height.value_or(height()), height()));
  // The panel's check box, once the panel is built, starts from the window.
  if (saved_->StayOnTop) SetStayOnTop(true);
}

void TForm1::MoveContentIntoScaledLayout() { ScaledLayout1->SetContent(MainLayout1); }

void TForm1::ApplyStartUpSize() {
  resize(ReferenceWidth, VertScrollBox1->height() + 1);
  ScaledLayout1->SetReferenceSize(size());
  ScaledLayout1->setGeometry(ScaledLayout1->parentWidget()->rect());
  resize(static_cast<int>(width() * StartUpWidthFactor), height());
  resize(width(), static_cast<int>(height() * StartUpHeightFactor));
}

void TForm1::FillWindowWithScrollBox() {
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(VertScrollBox1);
}

void TForm1::TakeOverDecimalSeparator() {
  core_.SetDecimalSeparator(platform_.DecimalSeparator().toStdString());
  // From here on the C library formats and reads numbers with "."; the user's separator is
  // put in and taken out by the program itself.
  std::setlocale(LC_NUMERIC, "C");
}

void TForm1::PrepareSettingsPanel() {
  // The panel itself is built when it is first opened: most runs never open it.
  RectMask->setGeometry(MainLayout1->rect());
}

void TForm1::FormDestroy() {
  RunGuarded([this] { WriteGeometryToSettings(); });
  RunGuarded([this] { WriteChartGeometryToSettings(); });
  platform_.EndProcess(0);
}

void TForm1::WriteGeometryToSettings() { settings_.WriteGeometry({x(), y(), width(), height()}); }

void TForm1::SetStayOnTop(bool on) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  // Changing the window's flags hides it.
  if (shown) show();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RunGuarded([this] { FormResize(); });
}

void TForm1::FormResize() {
  PlaceHintAfterTitle(L_title1, TopL, TitleHintGap);
  if (Panel_Con != nullptr) {
    PlaceHintAfterTitle(Panel_Con->L_title2, Panel_Con->L_Unit, PanelHeadingGap);
  }

  // The scaled layout fills the scroll box: the whole content is always in view, stretched
  // from its reference size to the window on each axis.
  const int width = VertScrollBox1->width();
  const int height = VertScrollBox1->height();
  ScaledLayout1->SetScaledGeometry(0.0f, 0.0f, static_cast<float>(width),
                                   static_cast<float>(height));
  VertScrollBox1->widget()->resize(width, height);
}

void TForm1::FormVirtualKeyboardHidden() { RestoreScrollPosition(); }

void TForm1::RestoreScrollPosition() {
  VertScrollBox1->verticalScrollBar()->setValue(0);
  VertScrollBox1->widget()->updateGeometry();
}

void TForm1::Timer1Timer() {
  // After a display the focus leaves the boxes; the start-up tick leaves it where typing starts.
  // A panel opened before the tick keeps the focus: its keys (Esc, Enter) must reach it.
  const bool afterDisplay = core_.DisplayLock();
  core_.ReleaseDisplayLock();
  Timer1->stop();
  const bool panelOpen = Panel_Con != nullptr && Panel_Con->isVisible();
  if (afterDisplay && !panelOpen) Button1->setFocus();
}

void TForm1::air_fClick() { platform_.OpenWebAddress(QStringLiteral(VAPORIN_WEB_ADDRESS)); }

}  // namespace vaporin
