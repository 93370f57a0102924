// The unit configuration panel: its controls at their designed sizes in layout units, and the
// pressure row's two boxes that fill each other.
#include "app/unit_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "app/application.h"
#include "app/list_row.h"
#include "app/pixel_font.h"
#include "app/refusal_note.h"
#include "app/window_combo_box.h"
#include "i18n/title_text.h"
#include "i18n/translation_data.h"
#include "units/pressure.h"
#include "units/unit_choices.h"

namespace vaporin {

namespace {
constexpr QRect PanelDesignedGeometry(385, 8, 352, 380);
constexpr int TitleBarHeight = 46;
constexpr int RowHeight = 32;
constexpr int RowCount = 9;
constexpr QRect ListGeometry(14, 46, 323, RowHeight* RowCount);
constexpr int ControlLeft = 210;
// Combo boxes of 85 x 24 drawn 1.25 times larger.
constexpr int ComboWidth = 106;
constexpr int ComboHeight = 30;
constexpr int ComboTop = 1;
constexpr QRect CheckBoxGeometry(ControlLeft, 7, 39, 18);
constexpr QRect AltitudeBoxGeometry(110, ComboTop, 64, ComboHeight);
constexpr QRect AltitudeUnitGeometry(178, ComboTop, 30, ComboHeight);
constexpr int RowTextSize = 20;
constexpr int ControlTextSize = 15;
constexpr int ButtonTop = 8;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 30;
constexpr int LineWidth = 321;
constexpr double CardRadius = 6.0;
const QColor CardColour(0xf3, 0xf5, 0xf7);
const QColor LineColour(0xc0, 0xc0, 0xc0);
const QColor Accent(0x2a, 0x6f, 0x97);

void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& value) {
  QPalette palette = widget->palette();
  palette.setColor(role, value);
  widget->setPalette(palette);
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Source(TextId id) { return FromUtf8(SourceText(id)); }

template <typename Entry, size_t N>
QStringList Names(const std::array<Entry, N>& table) {
  QStringList names;
  for (const Entry& entry : table) names << FromUtf8(entry.Name);
  return names;
}

template <typename Unit>
Unit UnitIn(const QComboBox* combo) {
  return static_cast<Unit>(combo->currentIndex());
}

template <typename Unit>
void Choose(QComboBox* combo, Unit unit) {
  combo->setCurrentIndex(static_cast<int>(unit));
}

QFrame* SilverLine(const QString& name, QWidget* parent, int left, int top) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setGeometry(left, top, LineWidth, 1);
  Colour(line, QPalette::Window, LineColour);
  line->setAutoFillBackground(true);
  return line;
}

QLineEdit* MakeNumberBox(const char* name, QWidget* row, const QRect& geometry) {
  auto* box = new QLineEdit(row);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(PixelFont(ControlTextSize));
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->setGeometry(geometry);
  return box;
}
}  // namespace

UnitPanel::UnitPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel_Con"));
  setGeometry(PanelDesignedGeometry);
  BuildTitleBar();
  BuildRows();
  BuildButtons();
}

void UnitPanel::BuildTitleBar() {
  ToolBar4 = new QFrame(this);
  ToolBar4->setObjectName(QStringLiteral("ToolBar4"));
  ToolBar4->setGeometry(0, 0, width(), TitleBarHeight);
  L_title2 = new QLabel(QStringLiteral("Vaporin"), ToolBar4);
  L_title2->setObjectName(QStringLiteral("L_title2"));
  L_title2->setFont(PixelFont(22, true));
  L_title2->move(10, 17);
  L_title2->adjustSize();
  Colour(L_title2, QPalette::WindowText, Accent);
  L_Unit = new QLabel(Source(TextId::UnitConfiguration), ToolBar4);
  L_Unit->setObjectName(QStringLiteral("L_Unit"));
  L_Unit->setFont(PixelFont(16));
  L_Unit->move(96, 20);
  L_Unit->adjustSize();
  Colour(L_Unit, QPalette::WindowText, QColor(0x52, 0x60, 0x6d));
  // Under the title bar, where it separates it from the rows.
  ud_line0 = SilverLine(QStringLiteral("ud_line0"), ToolBar4, 16, TitleBarHeight - 1);
}

void UnitPanel::BuildRows() {
  ListBox2 = new QFrame(this);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setGeometry(ListGeometry);
  int top = 0;
  auto makeRow = [&](const char* name, TextId caption) {
    auto* row = new ListRow(QString::fromLatin1(name), Source(caption), ListBox2);
    row->setFont(PixelFont(RowTextSize));
    row->setGeometry(0, top, ListBox2->width(), RowHeight);
    top += RowHeight;
    return row;
  };
  auto makeCombo = [](const char* name, ListRow* row, const QStringList& items) {
    auto* combo = new WindowComboBox(row);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFont(PixelFont(ControlTextSize));
    combo->addItems(items);
    combo->setMaxVisibleItems(static_cast<int>(items.size()));
    combo->setGeometry(ControlLeft, ComboTop, ComboWidth, ComboHeight);
    return combo;
  };
  LBunit1 = makeRow("LBunit1", TextId::Temperature);
  CB1 = makeCombo("CB1", LBunit1, Names(TemperatureUnits));
  LBunit2 = makeRow("LBunit2", TextId::AbsoluteHumidity);
  CB2 = makeCombo("CB2", LBunit2, Names(AbsHumidityUnits));
  LBunit3 = makeRow("LBunit3", TextId::SpecificHumidity);
  CB3 = makeCombo("CB3", LBunit3, Names(SpecHumidityUnits));
  LBunit4 = makeRow("LBunit4", TextId::Atmospheric);
  CB4 = makeCombo("CB4", LBunit4, Names(PressureUnits));
  LBalt = makeRow("LBalt", TextId::Altitude);
  EAlt = MakeNumberBox("EAlt", LBalt, AltitudeBoxGeometry);
  LAltUnit = new QLabel(LBalt);
  LAltUnit->setObjectName(QStringLiteral("LAltUnit"));
  LAltUnit->setFont(PixelFont(ControlTextSize));
  LAltUnit->setGeometry(AltitudeUnitGeometry);
  EPatm = MakeNumberBox("EPatm", LBalt, QRect(ControlLeft, ComboTop, ComboWidth, ComboHeight));
  LBunit5 = makeRow("LBunit5", TextId::Enthalpy);
  CB5 = makeCombo("CB5", LBunit5, Names(EnthalpyUnits));
  LBunit6 = makeRow("LBunit6", TextId::SpecificVolume);
  CB6 = makeCombo("CB6", LBunit6, Names(SpecVolumeUnits));
  LBlang1 = makeRow("LBlang1", TextId::Language);
  CB7 = makeCombo("CB7", LBlang1, Names(Languages));
  SilverLine(QStringLiteral("LBlang1Line"), LBlang1, 0, 1);
  LBstaytop = makeRow("LBstaytop", TextId::AlwaysOnTop);
  CBstaytop = new QCheckBox(LBstaytop);
  CBstaytop->setObjectName(QStringLiteral("CBstaytop"));
  CBstaytop->setGeometry(CheckBoxGeometry);
  SilverLine(QStringLiteral("LBstaytopLine"), LBstaytop, 0, 1);
  LRefusal = new RefusalNote(this);

  ConnectGuarded(EPatm, &QLineEdit::textEdited, this, [this] { PressureEdited(); });
  ConnectGuarded(EAlt, &QLineEdit::textEdited, this, [this] { AltitudeEdited(); });
  ConnectGuarded(CB4, &QComboBox::currentIndexChanged, this, [this] { PressureUnitChosen(); });
  ConnectGuarded(CB1, &QComboBox::currentIndexChanged, this, [this] { TemperatureUnitChosen(); });
}

void UnitPanel::NameControls() {
  // The pressure box sits in the altitude row, beside the pressure row's unit.
  const std::pair<QWidget*, ListRow*> named[] = {
      {CB1, LBunit1}, {CB2, LBunit2}, {CB3, LBunit3}, {CB4, LBunit4}, {EPatm, LBunit4},
      {EAlt, LBalt},  {CB5, LBunit5}, {CB6, LBunit6}, {CB7, LBlang1}, {CBstaytop, LBstaytop}};
  for (const auto& [control, row] : named) {
    control->setAccessibleName(QString::fromStdString(TrimmedTitle(row->Text().toStdString())));
  }
  // Each caption labels its control; the pressure box shares the altitude row with its own.
  for (const auto& [control, row] : named) {
    if (control != EPatm) row->LabelFor(control);
  }
}

void UnitPanel::BuildButtons() {
  ToolBar3 = new QFrame(this);
  ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
  ToolBar3->setGeometry(0, height() - TitleBarHeight, width(), TitleBarHeight);
  auto makeButton = [this](const char* name, TextId text, int left, void (UnitPanel::*signal)()) {
    auto* button = new QPushButton(Source(text), ToolBar3);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(PixelFont(18));
    button->setGeometry(left, ButtonTop, ButtonWidth, ButtonHeight);
    ConnectGuarded(button, &QPushButton::clicked, this, [this, signal] { emit(this->*signal)(); });
    return button;
  };
  Set_Save = makeButton("Set_Save", TextId::Save, 37, &UnitPanel::SaveClicked);
  Colour(Set_Save, QPalette::Button, Accent);
  Colour(Set_Save, QPalette::ButtonText, Qt::white);
  Set_Btn = makeButton("Set_Btn", TextId::Apply, 133, &UnitPanel::ApplyClicked);
  BtnCancel = makeButton("BtnCancel", TextId::Cancel, 229, &UnitPanel::CancelClicked);
  // Tab goes through the controls in reading order.
  QWidget* const order[] = {CB1, CB2, CB3,       CB4,      EAlt,    EPatm,    CB5,
                            CB6, CB7, CBstaytop, Set_Save, Set_Btn, BtnCancel};
  for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void UnitPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(CardColour);
  painter.drawRoundedRect(QRectF(rect()), CardRadius, CardRadius);
}

void UnitPanel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      emit CancelClicked();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit ApplyClicked();
      break;
    default:
      QFrame::keyPressEvent(event);
  }
}

void UnitPanel::ShowChoices(const UnitSettings& units, const std::string& separator) {
  Choose(CB1, units.TemperatureUnit);
  Choose(CB2, units.AbsoluteHumidityUnit);
  Choose(CB3, units.SpecificHumidityUnit);
  Choose(CB4, units.PressureUnit);
  Choose(CB5, units.EnthalpyUnit);
  Choose(CB6, units.SpecificVolumeUnit);
  int languageRow = -1;
  for (size_t row = 0; row < Languages.size(); ++row) {
    if (Languages[row].StoredIndex == units.LanguageIndex) languageRow = static_cast<int>(row);
  }
  CB7->setCurrentIndex(languageRow);
  pressure_.emplace(units.PressurePa, units.PressureUnit,
                    units.TemperatureUnit == UnitOfTemperature::Fahrenheit, separator);
  EPatm->setText(QString::fromStdString(pressure_->PressureText()));
  EAlt->setText(QString::fromStdString(pressure_->AltitudeText()));
  LRefusal->Withdraw();
  ShowAltitudeUnit();
}

std::optional<PressureEntry::Refusal> UnitPanel::PressureRefusal() const {
  return pressure_ ? pressure_->Refused() : std::nullopt;
}

void UnitPanel::ShowRefusal(const PressureEntry::Refusal& refusal, const QString& text) {
  LRefusal->ShowUnder(refusal.In == PressureEntry::Box::Pressure ? EPatm : EAlt, text);
}

UnitSettings UnitPanel::Choices(const UnitSettings& inForce) const {
  UnitSettings units = inForce;
  units.TemperatureUnit = UnitIn<UnitOfTemperature>(CB1);
  units.AbsoluteHumidityUnit = UnitIn<UnitOfAbsHumidity>(CB2);
  units.SpecificHumidityUnit = UnitIn<UnitOfSpecHumidity>(CB3);
  units.PressureUnit = UnitIn<UnitOfPressure>(CB4);
  units.EnthalpyUnit = UnitIn<UnitOfEnthalpy>(CB5);
  units.SpecificVolumeUnit = UnitIn<UnitOfSpecVolume>(CB6);
  const int languageRow = CB7->currentIndex();
  units.LanguageIndex = languageRow >= 0 && static_cast<size_t>(languageRow) < Languages.size()
                            ? Languages[static_cast<size_t>(languageRow)].StoredIndex
                            : languageRow;
  if (pressure_) units.PressurePa = pressure_->Pascals();
  return units;
}

bool UnitPanel::StayOnTopChecked() const { return CBstaytop->isChecked(); }

void UnitPanel::SetStayOnTopChecked(bool on) { CBstaytop->setChecked(on); }

void UnitPanel::PressureEdited() {
  if (!pressure_) return;
  LRefusal->Withdraw();
  if (const auto altitude = pressure_->PressureTyped(EPatm->text().toStdString())) {
    EAlt->setText(QString::fromStdString(*altitude));
  }
}

void UnitPanel::AltitudeEdited() {
  if (!pressure_) return;
  LRefusal->Withdraw();
  if (const auto pressure = pressure_->AltitudeTyped(EAlt->text().toStdString())) {
    EPatm->setText(QString::fromStdString(*pressure));
  }
}

void UnitPanel::PressureUnitChosen() {
  if (!pressure_) return;
  pressure_->SetPressureUnit(UnitIn<UnitOfPressure>(CB4));
  EPatm->setText(QString::fromStdString(pressure_->PressureText()));
}

void UnitPanel::TemperatureUnitChosen() {
  if (!pressure_) return;
  pressure_->SetFeet(UnitIn<UnitOfTemperature>(CB1) == UnitOfTemperature::Fahrenheit);
  EAlt->setText(QString::fromStdString(pressure_->AltitudeText()));
  ShowAltitudeUnit();
}

void UnitPanel::ShowAltitudeUnit() {
  const bool feet = UnitIn<UnitOfTemperature>(CB1) == UnitOfTemperature::Fahrenheit;
  LAltUnit->setText(feet ? QStringLiteral("ft") : QStringLiteral("m"));
}

}  // namespace vaporin
