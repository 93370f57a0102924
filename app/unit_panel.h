#pragma once

#include <QFrame>
#include <optional>
#include <string>
#include <vector>

#include "core/pressure_entry.h"
#include "settings/unit_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vaporin {

class ListRow;
class RefusalNote;

// The unit configuration panel ("Panel_Con"): the units, the atmospheric pressure, the
// language and always-on-top. It shows the choices in force and reports Apply, Save and Cancel;
// the window takes the choices over.
class UnitPanel final : public QFrame {
  Q_OBJECT

 public:
  explicit UnitPanel(QWidget* parent);

  // Fills the controls with the choices in force.
  void ShowChoices(const UnitSettings& units, const std::string& separator);
  // The panel's choices over `inForce`: a refused pressure leaves the one in force.
  UnitSettings Choices(const UnitSettings& inForce) const;
  bool StayOnTopChecked() const;
  void SetStayOnTopChecked(bool on);
  // Why the pressure row has no pressure to take over: its last text typed is refused.
  std::optional<PressureEntry::Refusal> PressureRefusal() const;
  // Shows the refusal under its box, `text` being its translated reason.
  void ShowRefusal(const PressureEntry::Refusal& refusal, const QString& text);
  // The rows whose titles are fitted together, in order.
  std::vector<ListRow*> Rows() const {
    return {LBunit1, LBunit2, LBunit3, LBunit4, LBalt, LBunit5, LBunit6, LBlang1, LBstaytop};
  }
  // Names each control after its row's title, for screen readers: called after every pass that
  // translates the rows, so that the names are in the language in force too.
  void NameControls();

  QFrame* ToolBar4;
  QLabel* L_title2;
  QLabel* L_Unit;
  QFrame* ud_line0;
  QFrame* ListBox2;
  ListRow* LBunit1;
  ListRow* LBunit2;
  ListRow* LBunit3;
  ListRow* LBunit4;
  ListRow* LBalt;
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
  QLineEdit* EPatm;  // the pressure in CB4's unit
  QLineEdit* EAlt;   // the altitude it corresponds to
  QLabel* LAltUnit;
  QCheckBox* CBstaytop;
  RefusalNote* LRefusal;  // why a typed pressure or altitude is refused
  QFrame* ToolBar3;
  QPushButton* Set_Save;
  QPushButton* Set_Btn;
  QPushButton* BtnCancel;

 signals:
  void ApplyClicked();
  void SaveClicked();
  void CancelClicked();

 private:
  void BuildTitleBar();
  void BuildRows();
  void BuildButtons();
  void PressureEdited();
  void AltitudeEdited();
  void PressureUnitChosen();
  void TemperatureUnitChosen();
  void ShowAltitudeUnit();

  std::optional<PressureEntry> pressure_;

 protected:
  // A rounded card, drawn rather than styled.
  void paintEvent(QPaintEvent* event) override;
  // Esc cancels, Enter applies, whichever control has the focus.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vaporin
