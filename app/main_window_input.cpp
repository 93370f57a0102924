// The main window's side of the two-value input: the boxes' events carried to the calculator,
// and its answers written back.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "app/application.h"
#include "app/main_window.h"
#include "app/scaled_view.h"

namespace vaporin {

namespace {
// A key that types a character into a box: no Ctrl, Alt or Meta, and some text.
bool TypesText(const QKeyEvent& key) {
  const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return !(key.modifiers() & commands) && !key.text().isEmpty() && key.text().at(0).isPrint();
}
}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == Button1 || EditBoxOf(watched)) &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
    RunGuarded([this] { HideReason(); });
  }
  if (watched == Button1 && event->type() == QEvent::KeyPress) {
    // A character typed while the focus rests after a result starts a new entry in the first
    // box, as if typed there.
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // Esc after a result starts over, as it does in a box.
    if (key.key() == Qt::Key_Escape) {
      RunGuarded([&] { DBKeyDown(DB, key); });
      return true;
    }
    if (!TypesText(key)) return QWidget::eventFilter(watched, event);
    RunGuarded([&] {
      DB->setFocus(Qt::OtherFocusReason);
      QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
      QCoreApplication::sendEvent(DB, &typed);
    });
    return true;
  }
  if (!EditBoxOf(watched)) return QWidget::eventFilter(watched, event);
  auto* box = static_cast<QLineEdit*>(watched);
  bool swallow = false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      // Shift+F10 opens the box's menu, as the menu key does, under the box.
      if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) {
        RunGuarded([&] { ShowBoxMenu(box, box->rect().bottomLeft()); });
        return true;
      }
      const bool tab = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
      const bool backtab = key.key() == Qt::Key_Backtab ||
                           (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
      if (!tab && !backtab) {
        RunGuarded([&] { swallow = DBKeyDown(box, key); });
      } else if ((tab && box == SV) || (backtab && box == DB)) {
        // Tab never clears a display; from the last box it goes round to the first, as Enter.
        RunGuarded([&] { FocusBox(*EditBoxOf(box), backtab); });
        swallow = true;
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
    case QEvent::ContextMenu: {
      // From the keyboard (the menu key, Shift+F10) the menu opens under the box.
      const auto* menuEvent = static_cast<const QContextMenuEvent*>(event);
      const QPoint at = menuEvent->reason() == QContextMenuEvent::Keyboard
                            ? box->rect().bottomLeft()
                            : menuEvent->pos();
      RunGuarded([&] { ShowBoxMenu(box, at); });
      swallow = true;
      break;
    }
    default:
      break;
  }
  return swallow;
}

bool TForm1::DBKeyDown(QLineEdit* sender, const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  // The Ctrl key's own press may come without its modifier flag, yet Ctrl is held from that
  // moment: pressing it to start a copy must not clear the result.
  const KeyPress press{key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter,
                       modifiers.testFlag(Qt::ControlModifier) || key.key() == Qt::Key_Control,
                       modifiers.testFlag(Qt::ShiftModifier), key.key() == Qt::Key_Escape};
  const Calculator::KeyOutcome outcome = core_.KeyDown(ReadBoxTexts(), press);
  Show(outcome.Update);
  switch (outcome.Decision.Move) {
    case FocusMove::ToFocusTarget:
      Button1->setFocus(Qt::OtherFocusReason);
      break;
    case FocusMove::NextBox:
    case FocusMove::PreviousBox:
      FocusBox(*EditBoxOf(sender), outcome.Decision.Move == FocusMove::PreviousBox);
      break;
    case FocusMove::FirstBox:
      DB->setFocus(Qt::OtherFocusReason);
      break;
    case FocusMove::None:
      break;
  }
  return outcome.Decision.Swallow;
}

void TForm1::DBExit(QLineEdit*) { CommitInputs(); }

void TForm1::DBDblClick(QLineEdit* sender) {
  Show(core_.DoubleClick(ReadBoxTexts(), *EditBoxOf(sender)));
}

void TForm1::CommitInputs() { Show(core_.CommitInputs(ReadBoxTexts())); }

void TForm1::ShowBoxMenu(QLineEdit* box, const QPoint& at) {
  // The box's own entries with "Copy all" added, in a menu that is a window of its own: one made
  // as a child of the scaled content would be drawn inside it, clipped at its edge. The box's
  // menu keeps its entries and goes with the new one.
  QMenu* entries = box->createStandardContextMenu();
  auto* menu = new QMenu(PopupParentFor(box));
  menu->addActions(entries->actions());
  entries->setParent(menu, Qt::Widget);
  entries->hide();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setFont(PopupFontFor(box));
  menu->addSeparator();
  ConnectGuarded(menu->addAction(Translated(TextId::CopyAll)), &QAction::triggered, this,
                 [this] { CopyAll(); });
  menu->popup(ScreenPoint(box, at));
}

void TForm1::CopyAll() {
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(core_.CopyText(BaseTitlesShown(), ReadBoxTexts())));
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  RunGuarded([this] { HideReason(); });
  QWidget::mousePressEvent(event);
}

void TForm1::ShowReason(TextId reason) {
  TopL->setText(Translated(reason));
  reasonShown_ = true;
  FormResize();
  // Nothing else changes on screen: a screen reader hears of it from the label, and from the
  // focus target, where the focus rests after a pair.
  QAccessibleEvent renamed(TopL, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  QAccessibleEvent alert(TopL, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  AnnounceOnFocusTarget(TopL->text(), QString());
}

void TForm1::AnnounceOnFocusTarget(const QString& name, const QString& description) {
  Button1->setAccessibleName(name);
  Button1->setAccessibleDescription(description);
  QAccessibleEvent renamed(Button1, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  QAccessibleEvent described(Button1, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
}

void TForm1::AnnounceResult(const BoxTexts& shown) {
  // "Result: 25.00 °C, 50.00 %", then every row as the copy has it, a row a sentence.
  const Preferences& preferences = core_.Preferences();
  QString name = Translated(TextId::Result) + QStringLiteral(": ");
  for (const EditBox box : {EditBox::DB, EditBox::RH}) {
    if (box == EditBox::RH) name += QStringLiteral(", ");
    name += QString::fromStdString(TextOf(shown, box) + ' ' +
                                   std::string(UnitNameOf(box, preferences.Units)));
  }
  QString rows = QString::fromStdString(core_.CopyText(BaseTitlesShown(), shown)).trimmed();
  rows.replace(QLatin1Char('\t'), QLatin1Char(' '));
  rows.replace(QLatin1Char('\n'), QStringLiteral("; "));
  AnnounceOnFocusTarget(name, rows);
}

void TForm1::HideReason() {
  if (reasonShown_) ShowHint();
}

void TForm1::Show(const BoxesUpdate& update) {
  if (update.Reason) {
    ShowReason(*update.Reason);
  } else if (update.Texts) {
    HideReason();
  }
  if (update.DPEnabled) DP->setEnabled(*update.DPEnabled);
  if (update.SHEnabled) SH->setEnabled(*update.SHEnabled);
  if (update.Texts) {
    for (const BoxInfo& info : BoxTable) {
      Box(info.Box)->setText(QString::fromStdString(TextOf(*update.Texts, info.Box)));
    }
  }
  if (update.ResultShown) {
    Timer1->start();
    AnnounceResult(*update.Texts);
  }
  UpdateChart();
}

std::optional<EditBox> TForm1::EditBoxOf(const QObject* widget) const {
  for (const BoxInfo& info : BoxTable) {
    if (Box(info.Box) == widget) return info.Box;
  }
  return std::nullopt;
}

BoxTexts TForm1::ReadBoxTexts() const {
  BoxTexts texts;
  for (const BoxInfo& info : BoxTable)
    TextOf(texts, info.Box) = Box(info.Box)->text().toStdString();
  return texts;
}

void TForm1::FocusBox(EditBox from, bool backwards) {
  auto enabledBoxes = [this] {
    std::array<bool, EditBoxCount> enabled{};
    for (const BoxInfo& info : BoxTable) enabled[IndexOf(info.Box)] = Box(info.Box)->isEnabled();
    return enabled;
  };
  const EditBox target = NextEnabledBox(from, backwards, enabledBoxes());
  const Qt::FocusReason reason = backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason;
  Box(target)->setFocus(reason);
  // Leaving the box commits, and the commit may disable the box just chosen.
  if (!Box(target)->isEnabled()) {
    Box(NextEnabledBox(target, backwards, enabledBoxes()))->setFocus(reason);
  }
}

}  // namespace vaporin
