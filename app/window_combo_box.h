#pragma once

#include <QComboBox>

class QMenu;

namespace vaporin {

// A combo box whose list opens as a window of its own, under the box where the screen shows
// it. Inside the scaled content a combo box's own list would open inside the content too,
// clipped at its edge, so that the last entries of a long list could not be clicked.
class WindowComboBox final : public QComboBox {
  Q_OBJECT

 public:
  explicit WindowComboBox(QWidget* parent);

  void showPopup() override;
  void hidePopup() override;

  // The open list, or none.
  QMenu* OpenList() const { return list_; }

 private:
  QMenu* list_ = nullptr;
};

}  // namespace vaporin
