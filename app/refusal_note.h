#pragma once

#include <QLabel>

namespace vaporin {

// A note under a box whose text was refused, saying why: over the rows below it, until the box
// is typed in again. Screen readers hear it as an alert and find it as the box's description.
class RefusalNote final : public QLabel {
  Q_OBJECT

 public:
  explicit RefusalNote(QWidget* parent);

  // Shows `text` under `box`, as wide as the parent allows, and gives the box the focus with its
  // text selected for retyping.
  void ShowUnder(QWidget* box, const QString& text);
  // Hides the note and takes its description off the box.
  void Withdraw();

 private:
  QWidget* box_ = nullptr;
};

}  // namespace vaporin
