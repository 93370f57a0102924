// The main window's side of the two-value input: the boxes' events, the commit and the
// display of results.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/application.h"
#include "app/input_workflow.h"
#include "app/main_window.h"
#include "engine/solvers.h"

namespace vaporin {

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (!EditBoxOf(watched)) return QWidget::eventFilter(watched, event);
  auto* box = static_cast<QLineEdit*>(watched);
  bool swallow = false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      // Tab moves the focus before the box sees it; it never clears a display.
      if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) {
        RunGuarded([&] { swallow = DBKeyDown(box, key); });
      }
      break;
    }
    case QEvent::FocusOut: {
      // Another window or a popup taking the focus is not the box being left.
      const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        RunGuarded([&] { DBExit(box); });
      }
      break;
    }
    case QEvent::MouseButtonDblClick:
      RunGuarded([&] { DBDblClick(box); });
      break;
    default:
      break;
  }
  return swallow;
}

bool TForm1::DBKeyDown(QLineEdit* sender, const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  const KeyDecision decision =
      DecideKeyDown(FilledGroupCount(), enter, modifiers.testFlag(Qt::ControlModifier),
                    modifiers.testFlag(Qt::ShiftModifier));
  if (decision.ClearAll) ClearAll();
  switch (decision.Move) {
    case FocusMove::ToFocusTarget:
      Button1->setFocus(Qt::OtherFocusReason);
      break;
    case FocusMove::NextBox:
    case FocusMove::PreviousBox:
      FocusBox(*EditBoxOf(sender), decision.Move == FocusMove::PreviousBox);
      break;
    case FocusMove::None:
      break;
  }
  return decision.Swallow;
}

void TForm1::DBExit(QLineEdit*) { CommitInputs(); }

void TForm1::DBDblClick(QLineEdit* sender) {
  if (FilledGroupCount() < FullDisplayGroups) return;
  const QString kept = sender->text();
  ClearAll();
  sender->setText(kept);
}

void TForm1::CommitInputs() {
  if (DisplayLock) return;
  const CommitResult result =
      vaporin::CommitInputs(ReadBoxTexts(), Units, Separator(), &Params, &State);
  if (result.DisableDP) DP->setEnabled(false);
  if (result.DisableSH) SH->setEnabled(false);
  if (result.Inputs == 2) {
    PairCode = result.PairCode;
    ComputeResults();
  }
}

void TForm1::ClearAll() {
  if (DisplayLock) return;
  for (QLineEdit* box : {DB, RH, SH, ENH, WB, SV, DP, VH}) box->clear();
  State = AirState{};
  DP->setEnabled(true);
  SH->setEnabled(true);
}

void TForm1::ComputeResults() {
  if (DisplayLock) return;
  if (SolvePair(&Params, &State, PairCode) >= 0) ShowResults();
}

void TForm1::ShowResults() {
  const BoxTexts texts = ResultTexts(State, Units, Formats, Separator(), Params.KcalToKJ);
  for (const EditBox box : {EditBox::DB, EditBox::RH, EditBox::SH, EditBox::ENH, EditBox::WB,
                            EditBox::SV, EditBox::DP, EditBox::VH}) {
    BoxFor(box)->setText(QString::fromStdString(TextOf(texts, box)));
  }
  DP->setEnabled(true);
  SH->setEnabled(true);
  DisplayLock = true;
  Timer1->start();
}

int TForm1::FilledGroupCount() const { return vaporin::FilledGroupCount(ReadBoxTexts()); }

QLineEdit* TForm1::BoxFor(EditBox box) const { return Boxes()[static_cast<size_t>(box)]; }

std::optional<EditBox> TForm1::EditBoxOf(const QObject* widget) const {
  const auto boxes = Boxes();
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i] == widget) return static_cast<EditBox>(i);
  }
  return std::nullopt;
}

BoxTexts TForm1::ReadBoxTexts() const {
  BoxTexts texts;
  const auto boxes = Boxes();
  for (size_t i = 0; i < boxes.size(); ++i) texts[i] = boxes[i]->text().toStdString();
  return texts;
}

void TForm1::FocusBox(EditBox from, bool backwards) {
  auto enabledBoxes = [this] {
    std::array<bool, EditBoxCount> enabled{};
    const auto boxes = Boxes();
    for (size_t i = 0; i < boxes.size(); ++i) enabled[i] = boxes[i]->isEnabled();
    return enabled;
  };
  const EditBox target = NextEnabledBox(from, backwards, enabledBoxes());
  const Qt::FocusReason reason = backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason;
  BoxFor(target)->setFocus(reason);
  // Leaving the box commits, and the commit may disable the box just chosen.
  if (!BoxFor(target)->isEnabled()) {
    BoxFor(NextEnabledBox(target, backwards, enabledBoxes()))->setFocus(reason);
  }
}

std::string TForm1::Separator() const { return LocaleDecimalSeparator.toStdString(); }

}  // namespace vaporin
