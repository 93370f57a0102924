#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;

namespace vaporin {

// One row of the property list: a title, and children that keep their place against the
// row's right edge or centre as the row is stretched.
class ListRow final : public QFrame {
  Q_OBJECT

 public:
  ListRow(const QString& objectName, const QString& text, QWidget* parent);

  // The full title, however it is shown.
  QString Text() const;
  void SetText(const QString& text);
  const QLabel* TitleLabel() const { return title_; }
  // The control the title labels, for screen readers' label-for relation.
  void LabelFor(QWidget* control);

  // Keeps `child` `margin` units from the row's right edge.
  void AnchorRight(QWidget* child, int margin);
  // Keeps `child` centred in the row.
  void AnchorCentre(QWidget* child);

  // A row of the property list: white, with a rule under it; other rows show their parent.
  void SetBoxed(bool boxed);

  // The title's font size now: the largest, up to the designed size and the cap, at which it
  // fits (the floor when it is elided).
  int TitlePixelSize() const;
  // The largest font size the title may take; 0 for the designed size.
  void SetTitleSizeCap(int pixels);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  // The title takes the row's font, whatever a style sheet does to propagation.
  void changeEvent(QEvent* event) override;

 private:
  struct Anchor {
    QWidget* Child;
    int RightMargin;  // negative: centred
  };
  void Place(const Anchor& anchor);
  // The title in the space left of the row's controls: a smaller font where it must, down to a
  // floor, then an ellipsis with the full title as its tooltip.
  void FitTitle();

  QLabel* title_;
  QString text_;
  std::vector<Anchor> anchors_;
  bool boxed_ = false;
  int titleSizeCap_ = 0;
};

// Fits the rows' titles at one font size, the largest at which every one fits, so that
// neighbouring rows do not differ.
void FitTitlesTogether(const std::vector<ListRow*>& rows);

}  // namespace vaporin
