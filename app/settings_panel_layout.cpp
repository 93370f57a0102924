// The unit configuration panel's controls, at their designed sizes in layout units.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "app/application.h"
#include "app/list_row.h"
#include "app/main_window.h"
#include "app/pixel_font.h"
#include "i18n/translation_data.h"
#include "settings/unit_names.h"

namespace vaporin {

namespace {
constexpr int TitleBarHeight = 46;
constexpr QRect ListGeometry(14, 46, 323, 281);
constexpr int RowHeight = 35;
constexpr int ControlLeft = 210;
// Combo boxes of 85 x 24 drawn 1.25 times larger.
constexpr int ComboWidth = 106;
constexpr int ComboHeight = 30;
constexpr int ComboTop = 3;
constexpr QRect CheckBoxGeometry(ControlLeft, 11, 39, 18);
constexpr int ButtonTop = 8;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 30;
constexpr int LineWidth = 321;

template <size_t N>
QStringList Items(const std::array<std::string_view, N>& names) {
  QStringList items;
  for (const std::string_view name : names) {
    items << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  return items;
}

QStringList LanguageNames() {
  QStringList names;
  for (const LanguageEntry& language : Languages) {
    names << QString::fromUtf8(language.Name.data(), static_cast<qsizetype>(language.Name.size()));
  }
  return names;
}

QFrame* SilverLine(const QString& name, QWidget* parent, int left, int top) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setGeometry(left, top, LineWidth, 1);
  return line;
}
}  // namespace

void TForm1::BuildSettingsPanel() {
  ToolBar4 = new QFrame(Panel_Con);
  ToolBar4->setObjectName(QStringLiteral("ToolBar4"));
  ToolBar4->setGeometry(0, 0, Panel_Con->width(), TitleBarHeight);
  L_title2 = new QLabel(QStringLiteral("Vaporin"), ToolBar4);
  L_title2->setObjectName(QStringLiteral("L_title2"));
  L_title2->setFont(PixelFont(22, true));
  L_title2->move(10, 17);
  L_title2->adjustSize();
  L_Unit = new QLabel(QStringLiteral("Unit Configuration"), ToolBar4);
  L_Unit->setObjectName(QStringLiteral("L_Unit"));
  L_Unit->setFont(PixelFont(16));
  L_Unit->move(96, 20);
  L_Unit->adjustSize();
  // Under the title bar, where it separates it from the rows.
  ud_line0 = SilverLine(QStringLiteral("ud_line0"), ToolBar4, 16, TitleBarHeight - 1);

  ListBox2 = new QFrame(Panel_Con);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setGeometry(ListGeometry);
  int top = 0;
  auto makeRow = [&](const char* name, const char* caption) {
    auto* row = new ListRow(QString::fromLatin1(name), QString::fromUtf8(caption), ListBox2);
    row->setFont(PixelFont(20));
    row->setGeometry(0, top, ListBox2->width(), RowHeight);
    top += RowHeight;
    return row;
  };
  auto makeCombo = [](const char* name, ListRow* row, const QStringList& items) {
    auto* combo = new QComboBox(row);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFont(PixelFont(15));
    combo->addItems(items);
    combo->setMaxVisibleItems(static_cast<int>(items.size()));
    combo->setGeometry(ControlLeft, ComboTop, ComboWidth, ComboHeight);
    return combo;
  };
  LBunit1 = makeRow("LBunit1", " Temperature");
  CB1 = makeCombo("CB1", LBunit1, Items(TemperatureUnitNames));
  LBunit2 = makeRow("LBunit2", " Absolute Humidity");
  CB2 = makeCombo("CB2", LBunit2, Items(AbsoluteHumidityUnitNames));
  LBunit3 = makeRow("LBunit3", " Specific Humidity");
  CB3 = makeCombo("CB3", LBunit3, Items(SpecificHumidityUnitNames));
  LBunit4 = makeRow("LBunit4", " Atomospheric");
  CB4 = makeCombo("CB4", LBunit4, Items(PressureUnitNames));
  LBunit5 = makeRow("LBunit5", " Specific Enthalpy");
  CB5 = makeCombo("CB5", LBunit5, Items(EnthalpyUnitNames));
  LBunit6 = makeRow("LBunit6", " Specific Volume");
  CB6 = makeCombo("CB6", LBunit6, Items(SpecificVolumeUnitNames));
  LBlang1 = makeRow("LBlang1", "Vaporin Language");
  CB7 = makeCombo("CB7", LBlang1, LanguageNames());
  SilverLine(QStringLiteral("LBlang1Line"), LBlang1, 0, 1);
  LBstaytop = makeRow("LBstaytop", "Always on top");
  CBstaytop = new QCheckBox(LBstaytop);
  CBstaytop->setObjectName(QStringLiteral("CBstaytop"));
  CBstaytop->setAccessibleName(QStringLiteral("Always on top"));
  CBstaytop->setGeometry(CheckBoxGeometry);
  SilverLine(QStringLiteral("LBstaytopLine"), LBstaytop, 0, 1);

  ToolBar3 = new QFrame(Panel_Con);
  ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
  ToolBar3->setGeometry(0, Panel_Con->height() - TitleBarHeight, Panel_Con->width(),
                        TitleBarHeight);
  auto makeButton = [this](const char* name, const char* text, int left, void (TForm1::*click)()) {
    auto* button = new QPushButton(QString::fromLatin1(text), ToolBar3);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(PixelFont(18));
    button->setGeometry(left, ButtonTop, ButtonWidth, ButtonHeight);
    connect(button, &QPushButton::clicked, this,
            [this, click] { RunGuarded([this, click] { (this->*click)(); }); });
    return button;
  };
  Set_Save = makeButton("Set_Save", "Save", 37, &TForm1::Set_SaveClick);
  Set_Btn = makeButton("Set_Btn", "Apply", 133, &TForm1::Set_BtnClick);
  BtnCancel = makeButton("BtnCancel", "Cancel", 229, &TForm1::BtnCancelClick);
}

}  // namespace vaporin
