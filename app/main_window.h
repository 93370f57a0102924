#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "app/edit_boxes.h"
#include "app/results_display.h"
#include "engine/psychro_params.h"
#include "i18n/translator.h"
#include "settings/unit_settings.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTimer;

namespace vaporin {

class ClickableLabel;
class ListRow;
class Platform;
class ScaledView;

// The one main window. Its controls are public, as the window's own parts, so that the
// workflow, the panel and the tests reach them by their names.
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

  // Languages and captions.
  void ApplyLanguage();
  void ApplyUnitLabels();

  // The two-value input and the display of results.
  void CommitInputs();
  void ClearAll();
  void ComputeResults();
  void ShowResults();
  int FilledGroupCount() const;

  // Controls, in the order of the window's layout.
  QScrollArea* VertScrollBox1;
  ScaledView* ScaledLayout1;
  QWidget* MainLayout1;
  QFrame* ToolBar1;
  QLabel* L_title1;
  QLabel* TopL;
  QFrame* ListBox1;
  ListRow* ListBoxItem1;
  ListRow* ListBoxItem2;
  ListRow* ListBoxItem8;
  ListRow* ListBoxItem3;
  ListRow* ListBoxItem4;
  ListRow* ListBoxItem5;
  ListRow* ListBoxItem6;
  ListRow* ListBoxItem7;
  ListRow* ListBoxItem9;
  QLineEdit* DB;
  QLineEdit* RH;
  QLineEdit* VH;
  QLineEdit* SH;
  QLineEdit* DP;
  QLineEdit* ENH;
  QLineEdit* WB;
  QLineEdit* SV;
  ClickableLabel* air_f;
  QPushButton* Button1;
  QPushButton* Set_Button1;
  QLabel* Image2;
  QWidget* RectMask;
  QFrame* Panel_Con;
  QListWidget* LB_txt;
  QTimer* Timer1;

  // The unit configuration panel.
  QFrame* ToolBar4;
  QLabel* L_title2;
  QLabel* L_Unit;
  QFrame* ud_line0;
  QFrame* ListBox2;
  ListRow* LBunit1;
  ListRow* LBunit2;
  ListRow* LBunit3;
  ListRow* LBunit4;
  ListRow* LBunit5;
  ListRow* LBunit6;
  ListRow* LBlang1;
  ListRow* LBstaytop;
  QComboBox* CB1;
  QComboBox* CB2;
  QComboBox* CB3;
  QComboBox* CB4;
  QComboBox* CB5;
  QComboBox* CB6;
  QComboBox* CB7;
  QCheckBox* CBstaytop;
  QFrame* ToolBar3;
  QPushButton* Set_Save;
  QPushButton* Set_Btn;
  QPushButton* BtnCancel;

  // The eight edit boxes from top to bottom, which is also the Tab order.
  std::array<QLineEdit*, 8> Boxes() const { return {DB, RH, VH, SH, DP, ENH, WB, SV}; }

  // State owned by the window for the whole run.
  QString SettingsFolder;
  QString LocaleDecimalSeparator;
  QString SettingsFileName;
  UnitSettings Units;
  bool DisplayLock = false;
  PsychroParams Params;
  AirState State{};
  int32_t PairCode = 0;
  DisplayFormats Formats;
  Translator Lang1;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The edit boxes' keys, focus losses and double clicks.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildTitleBar();
  void BuildList();
  void BuildFooter(ListRow* footer);
  void BuildHiddenParts();
  void BuildSettingsPanel();
  void ApplyLook();

  // Start-up, in its fixed order.
  void FormCreate();
  void SetDefaultChoices();
  void SetSettingsPath();
  void ResetSettingsWhenShiftIsHeld();
  void ReadSettingsPassOne();
  void ReadSettingsPassTwo();
  void MoveContentIntoScaledLayout();
  void ApplyStartUpSize();
  void FillWindowWithScrollBox();
  void TakeOverDecimalSeparator();
  void PrepareSettingsPanel();

  QLineEdit* BoxFor(EditBox box) const;
  // The edit box `widget` is, if it is one.
  std::optional<EditBox> EditBoxOf(const QObject* widget) const;
  BoxTexts ReadBoxTexts() const;
  void FocusBox(EditBox box, bool backwards);
  std::string Separator() const;

  // Apply and Save: the panel's choices become the program's.
  void TakeOverChoices();
  void WriteChoicesToSettings();

  // Shutdown: the process ends here.
  void FormDestroy();
  void WriteGeometryToSettings();
  std::filesystem::path SettingsPath() const;

  Platform& platform_;
};

}  // namespace vaporin
