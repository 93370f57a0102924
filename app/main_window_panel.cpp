// The main window's side of the unit configuration panel, the language and the captions.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/input_workflow.h"
#include "app/list_row.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/translatable_texts.h"
#include "i18n/language_choice.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "settings/unit_captions.h"

namespace vaporin {

namespace {
constexpr int PanelTop = 10;
}  // namespace

void TForm1::Set_Button1Click() {
  Panel_Con->move(static_cast<int>((ListBox1->width() - Panel_Con->width()) * 0.5), PanelTop);
  CB1->setCurrentIndex(Units.TemperatureUnit);
  CB2->setCurrentIndex(Units.AbsoluteHumidityUnit);
  CB3->setCurrentIndex(Units.SpecificHumidityUnit);
  CB4->setCurrentIndex(Units.PressureUnit);
  CB5->setCurrentIndex(Units.EnthalpyUnit);
  CB6->setCurrentIndex(Units.SpecificVolumeUnit);
  CB7->setCurrentIndex(Units.LanguageIndex);
  ToolBar1->hide();
  ListBox1->hide();
  Panel_Con->show();
  RectMask->show();
  Panel_Con->raise();
}

void TForm1::BtnCancelClick() {
  Panel_Con->hide();
  RectMask->hide();
  ToolBar1->show();
  ListBox1->show();
}

void TForm1::Set_BtnClick() {
  TakeOverChoices();
  BtnCancelClick();
}

void TForm1::Set_SaveClick() {
  TakeOverChoices();
  // A failed write reaches the error box with the panel still open.
  WriteChoicesToSettings();
  BtnCancelClick();
}

void TForm1::TakeOverChoices() {
  Units.TemperatureUnit = CB1->currentIndex();
  Units.AbsoluteHumidityUnit = CB2->currentIndex();
  Units.SpecificHumidityUnit = CB3->currentIndex();
  Units.PressureUnit = CB4->currentIndex();
  Units.EnthalpyUnit = CB5->currentIndex();
  Units.SpecificVolumeUnit = CB6->currentIndex();
  Units.LanguageIndex = CB7->currentIndex();
  SetStayOnTop(CBstaytop->isChecked());
  ApplyLanguage();
  ApplyUnitLabels();
}

void TForm1::WriteChoicesToSettings() {
  IniFile file = IniFile::Open(SettingsPath());
  WriteUnitChoices(file, Units, CBstaytop->isChecked());
  file.Update();
}

void TForm1::ApplyLanguage() {
  const LocaleLanguage locale = platform_.UserLanguage();
  const LanguageChoice choice = ChooseLanguage(
      Units.LanguageIndex, {locale.IsoName.toStdString(), locale.NativeName.toStdString(),
                            locale.Script.toStdString(), locale.Territory.toStdString()});
  Units.LanguageCode = choice.Code;
  Units.LanguageIndex = choice.Index;
  TranslatableTexts texts({MainLayout1, Panel_Con}, {L_title1, L_title2});
  Lang1.SelectLanguage(Units.LanguageCode, texts.Texts());
  texts.WriteBack();
}

void TForm1::ApplyUnitLabels() {
  BaseTitles titles;
  for (size_t i = 0; i < titles.size(); ++i) {
    titles[i] = LB_txt->item(static_cast<int>(i))->text().toStdString();
  }
  const UnitCaptions captions = ComposeUnitCaptions(titles, Units, Separator());
  auto set = [](ListRow* row, const std::string& caption) {
    row->SetText(QString::fromStdString(caption));
  };
  set(ListBoxItem2, captions.RelativeHumidity);
  if (captions.Pressure) {
    TopL->setText(QString::fromStdString(*captions.Pressure));
    TopL->adjustSize();
  }
  set(ListBoxItem1, captions.DryBulb);
  set(ListBoxItem4, captions.DewPoint);
  set(ListBoxItem6, captions.WetBulb);
  set(ListBoxItem8, captions.AbsoluteHumidity);
  set(ListBoxItem3, captions.SpecificHumidity);
  set(ListBoxItem5, captions.Enthalpy);
  set(ListBoxItem7, captions.SpecificVolume);
  if (FilledGroupCount() >= FullDisplayGroups) ShowResults();
}

}  // namespace vaporin
