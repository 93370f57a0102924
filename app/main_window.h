#pragma once

#include <QWidget>
#include <array>
#include <cstddef>
#include <optional>

#include "app/qt_translations.h"
#include "core/calculator.h"
#include "i18n/translation_data.h"
#include "settings/settings_store.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTimer;

namespace vaporin {

class ChartWindow;
class ClickableLabel;
class ListRow;
class Platform;
class ScaledView;
class UnitPanel;

// The one main window: its controls, and the calculator it shows. The handlers move text
// between the controls and the calculator; the calculator holds every state of the program.
class TForm1 final : public QWidget {
 public:
  explicit TForm1(Platform& platform, QWidget* parent = nullptr);
  ~TForm1() override;

  // Keeps the window above ordinary windows, or lets it be one of them again.
  void SetStayOnTop(bool on);

  // Handlers.
  void FormResize();
  void FormVirtualKeyboardHidden();
  void RestoreScrollPosition();
  void Timer1Timer();
  void air_fClick();
  // Return whether the box must not see the key.
  bool DBKeyDown(QLineEdit* sender, const QKeyEvent& key);
  void DBExit(QLineEdit* sender);
  void DBDblClick(QLineEdit* sender);

  void Set_Button1Click();
  void BtnCancelClick();
  void Set_BtnClick();
  void Set_SaveClick();

  // The chart: opened from its button or Ctrl+G, it follows every result, unit and language.
  void Chart_Button1Click();
  void UpdateChart();
  void ChartHover();
  void ChartPick();
  void ChartSave();
  void ChartClose();

  // Languages and captions.
  void ApplyLanguage();
  void ApplyUnitLabels();

  // The two-value input: a box was left.
  void CommitInputs();
  // The shown state, a row a line, to the clipboard.
  void CopyAll();
  // A box's context menu, with Copy all.
  void ShowBoxMenu(QLineEdit* box, const QPoint& at);

  const Calculator& Core() const { return core_; }
  const SettingsStore& Settings() const { return settings_; }

  // Controls, in the order of the window's layout. The rows and boxes are built from the
  // boxes' table; their names here are only handles.
  QScrollArea* VertScrollBox1;
  ScaledView* ScaledLayout1;
  QWidget* MainLayout1;
  QFrame* ToolBar1;
  QLabel* L_title1;
  QLabel* TopL;
  QFrame* ListBox1;
  ListRow* ListBoxItem9;
  ClickableLabel* air_f;
  QPushButton* Button1;
  QPushButton* Set_Button1;
  QLabel* Image2;
  QPushButton* Chart_Button1;
  ChartWindow* Chart_Window = nullptr;  // built when first opened
  QWidget* RectMask;
  UnitPanel* Panel_Con = nullptr;  // built when first opened
  QListWidget* LB_txt;
  QTimer* Timer1;

 private:
  std::array<QLineEdit*, EditBoxCount> boxes_{};
  std::array<ListRow*, EditBoxCount> rows_{};

 public:
  QLineEdit*& DB = boxes_[IndexOf(EditBox::DB)];
  QLineEdit*& RH = boxes_[IndexOf(EditBox::RH)];
  QLineEdit*& VH = boxes_[IndexOf(EditBox::VH)];
  QLineEdit*& SH = boxes_[IndexOf(EditBox::SH)];
  QLineEdit*& DP = boxes_[IndexOf(EditBox::DP)];
  QLineEdit*& ENH = boxes_[IndexOf(EditBox::ENH)];
  QLineEdit*& WB = boxes_[IndexOf(EditBox::WB)];
  QLineEdit*& SV = boxes_[IndexOf(EditBox::SV)];
  ListRow*& ListBoxItem1 = rows_[IndexOf(EditBox::DB)];
  ListRow*& ListBoxItem2 = rows_[IndexOf(EditBox::RH)];
  ListRow*& ListBoxItem8 = rows_[IndexOf(EditBox::VH)];
  ListRow*& ListBoxItem3 = rows_[IndexOf(EditBox::SH)];
  ListRow*& ListBoxItem4 = rows_[IndexOf(EditBox::DP)];
  ListRow*& ListBoxItem5 = rows_[IndexOf(EditBox::ENH)];
  ListRow*& ListBoxItem6 = rows_[IndexOf(EditBox::WB)];
  ListRow*& ListBoxItem7 = rows_[IndexOf(EditBox::SV)];

  // The eight edit boxes from top to bottom, which is also the Tab order.
  const std::array<QLineEdit*, EditBoxCount>& Boxes() const { return boxes_; }
  QLineEdit* Box(EditBox box) const { return boxes_[IndexOf(box)]; }
  ListRow* Row(EditBox box) const { return rows_[IndexOf(box)]; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // The edit boxes' keys, focus losses and double clicks.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildTitleBar();
  void BuildList();
  void BuildFooter(ListRow* footer);
  void BuildHiddenParts();
  void ApplyLook();

  // Start-up, in its fixed order.
  void FormCreate();
  void SetSettingsPath();
  void ResetSettingsWhenShiftIsHeld();
  void ReadSettingsPassOne();
  void ReadSettingsPassTwo();
  void MoveContentIntoScaledLayout();
  void ApplyStartUpSize();
  void FillWindowWithScrollBox();
  void TakeOverDecimalSeparator();
  void PrepareSettingsPanel();
  // The unit panel, built over the content in the current language on first use.
  UnitPanel* BuildPanel();
  void FitPanelButtons();

  // The base titles as LB_txt holds them, in the current language.
  BaseTitles BaseTitlesShown() const;
  // One of the program's own texts in the language in force.
  QString Translated(TextId id);
  // The edit box `widget` is, if it is one.
  std::optional<EditBox> EditBoxOf(const QObject* widget) const;
  BoxTexts ReadBoxTexts() const;
  void Show(const BoxesUpdate& update);
  // Why two values gave no state, in the title bar's hint until the next key, click or result.
  void ShowReason(TextId reason);
  void HideReason();
  // The hint with the pressure in force.
  void ShowHint();
  // What a screen reader says of the focus target, where the focus rests after a pair: the
  // result, the reason there is none, or the hint.
  void AnnounceOnFocusTarget(const QString& name, const QString& description);
  void AnnounceResult(const BoxTexts& shown);
  void FocusBox(EditBox box, bool backwards);

  // Apply and Save take nothing over while the typed pressure or altitude is refused; the panel
  // says why under the box.
  bool PanelRefusesPressure();
  // Apply and Save: the panel's choices become the program's.
  void TakeOverChoices();
  void WriteChoicesToSettings();

  // Shutdown: the process ends here.
  void FormDestroy();
  void WriteGeometryToSettings();
  void PlaceChartWindow();
  void WriteChartGeometryToSettings();

  Platform& platform_;
  Calculator core_;
  SettingsStore settings_{std::filesystem::path()};
  // What the settings file held at start; none without one.
  std::optional<StartUpSettings> saved_;
  QtTranslations qtTranslations_;
  bool reasonShown_ = false;
};

}  // namespace vaporin
