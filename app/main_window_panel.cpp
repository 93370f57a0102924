// The main window's side of the unit configuration panel, the language and the captions.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/application.h"
#include "app/list_row.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/text_fits.h"
#include "app/translatable_texts.h"
#include "app/unit_panel.h"
#include "i18n/explanations.h"
#include "i18n/title_text.h"
#include "i18n/translation_data.h"
#include "settings/ini_file.h"

namespace vaporin {

namespace {
constexpr int PanelTop = 10;
}  // namespace

UnitPanel* TForm1::BuildPanel() {
  if (Panel_Con != nullptr) return Panel_Con;
  Panel_Con = new UnitPanel(MainLayout1);
  Panel_Con->hide();
  Panel_Con->raise();
  ConnectGuarded(Panel_Con, &UnitPanel::ApplyClicked, this, [this] { Set_BtnClick(); });
  ConnectGuarded(Panel_Con, &UnitPanel::SaveClicked, this, [this] { Set_SaveClick(); });
  ConnectGuarded(Panel_Con, &UnitPanel::CancelClicked, this, [this] { BtnCancelClick(); });
  Panel_Con->SetStayOnTopChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  TranslatableTexts texts({Panel_Con}, {Panel_Con->L_title2});
  core_.TranslateTexts(texts.Texts());
  texts.WriteBack();
  Panel_Con->NameControls();
  FitPanelButtons();
  FormResize();
  return Panel_Con;
}

void TForm1::Set_Button1Click() {
  BuildPanel();
  Panel_Con->move(static_cast<int>((ListBox1->width() - Panel_Con->width()) * 0.5), PanelTop);
  Panel_Con->ShowChoices(core_.Units(), core_.DecimalSeparator());
  ToolBar1->hide();
  ListBox1->hide();
  Panel_Con->show();
  RectMask->show();
  Panel_Con->raise();
  Panel_Con->CB1->setFocus(Qt::OtherFocusReason);
}

void TForm1::BtnCancelClick() {
  Panel_Con->hide();
  RectMask->hide();
  ToolBar1->show();
  ListBox1->show();
  DB->setFocus(Qt::OtherFocusReason);
}

void TForm1::Set_BtnClick() {
  if (PanelRefusesPressure()) return;
  TakeOverChoices();
  BtnCancelClick();
}

void TForm1::Set_SaveClick() {
  if (PanelRefusesPressure()) return;
  TakeOverChoices();
  // A failed write reaches the error box with the panel still open.
  WriteChoicesToSettings();
  BtnCancelClick();
}

bool TForm1::PanelRefusesPressure() {
  const auto refusal = Panel_Con->PressureRefusal();
  if (!refusal) return false;
  Panel_Con->ShowRefusal(
      *refusal, QString::fromStdString(refusal->Says(Translated(refusal->Reason).toStdString())));
  return true;
}

void TForm1::TakeOverChoices() {
  core_.TakeOverChoices(Panel_Con->Choices(core_.Units()));
  SetStayOnTop(Panel_Con->StayOnTopChecked());
  ApplyLanguage();
  ApplyUnitLabels();
}

void TForm1::WriteChoicesToSettings() {
  settings_.WriteChoices(core_.Units(), Panel_Con->StayOnTopChecked());
}

void TForm1::ApplyLanguage() {
  const LocaleLanguage locale = platform_.UserLanguage();
  TranslatableTexts texts =
      Panel_Con != nullptr
          ? TranslatableTexts({MainLayout1, Panel_Con}, {L_title1, Panel_Con->L_title2})
          : TranslatableTexts({MainLayout1}, {L_title1});
  core_.ApplyLanguage({locale.IsoName.toStdString(), locale.NativeName.toStdString(),
                       locale.Script.toStdString(), locale.Territory.toStdString()},
                      texts.Texts());
  texts.WriteBack();
  if (Panel_Con != nullptr) Panel_Con->NameControls();
  FitPanelButtons();
  qtTranslations_.Select(core_.Units().LanguageCode);
}

void TForm1::FitPanelButtons() {
  if (Panel_Con == nullptr) return;
  FitTogether({Panel_Con->Set_Save, Panel_Con->Set_Btn, Panel_Con->BtnCancel});
  FitTitlesTogether(Panel_Con->Rows());
}

BaseTitles TForm1::BaseTitlesShown() const {
  BaseTitles titles;
  for (size_t i = 0; i < titles.size(); ++i) {
    titles[i] = LB_txt->item(static_cast<int>(i))->text().toStdString();
  }
  return titles;
}

QString TForm1::Translated(TextId id) {
  std::vector<std::string> text{std::string(SourceText(id))};
  core_.TranslateTexts(text);
  return QString::fromStdString(text.front());
}

void TForm1::ShowHint() {
  reasonShown_ = false;
  const UnitCaptions captions = core_.Captions(BaseTitlesShown());
  if (captions.Pressure) {
    TopL->setText(QString::fromStdString(*captions.Pressure));
    FormResize();
    AnnounceOnFocusTarget(TopL->text(), QString());
  }
}

void TForm1::ApplyUnitLabels() {
  ShowHint();
  const UnitCaptions captions = core_.Captions(BaseTitlesShown());
  for (const BoxInfo& info : BoxTable) {
    const QString caption = QString::fromStdString(captions.*info.Caption);
    rows_[IndexOf(info.Box)]->SetText(caption);
    // Screen readers name a box by its row: the title and the unit, in the language in force.
    Box(info.Box)->setAccessibleName(QString::fromStdString(TrimmedTitle(captions.*info.Caption)));
    const std::string_view explanation = ExplanationOf(info.Text, core_.Units().LanguageCode);
    // As a paragraph, which tooltips wrap, rather than one long line.
    const QString tip =
        QStringLiteral("<p>%1</p>")
            .arg(QString::fromUtf8(explanation.data(), static_cast<qsizetype>(explanation.size()))
                     .toHtmlEscaped());
    rows_[IndexOf(info.Box)]->setToolTip(tip);
    Box(info.Box)->setToolTip(tip);
    // Screen readers read a description as plain text: the tooltip's markup stays out.
    const QString plain =
        QString::fromUtf8(explanation.data(), static_cast<qsizetype>(explanation.size()));
    rows_[IndexOf(info.Box)]->setAccessibleDescription(plain);
    Box(info.Box)->setAccessibleDescription(plain);
  }
  // The gear has no text of its own; it is named after the panel it opens.
  Set_Button1->setAccessibleName(
      QString::fromStdString(TrimmedTitle(Translated(TextId::UnitConfiguration).toStdString())));
  const QString chart = Translated(TextId::PsychrometricChart);
  Chart_Button1->setAccessibleName(chart);
  Chart_Button1->setToolTip(chart + QStringLiteral(" (Ctrl+G)"));
  Show(core_.RefreshDisplay(ReadBoxTexts()));
  FitTitlesTogether({rows_.begin(), rows_.end()});
}

}  // namespace vaporin
