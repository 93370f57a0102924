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

  QString Text() const;
  void SetText(const QString& text);
  const QLabel* TitleLabel() const { return title_; }

  // Keeps `child` `margin` units from the row's right edge.
  void AnchorRight(QWidget* child, int margin);
  // Keeps `child` centred in the row.
  void AnchorCentre(QWidget* child);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The title takes the row's font, whatever a style sheet does to propagation.
  void changeEvent(QEvent* event) override;

 private:
  struct Anchor {
    QWidget* Child;
    int RightMargin;  // negative: centred
  };
  void Place(const Anchor& anchor);

  QLabel* title_;
  std::vector<Anchor> anchors_;
};

}  // namespace vaporin
