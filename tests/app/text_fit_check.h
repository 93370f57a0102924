#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/list_row.h"
#include "app/main_window.h"
#include "app/unit_panel.h"

namespace vaporin {

// Every text of the window and of its open panel shows whole within its place: the rows'
// titles left of their boxes, the hint within the title bar, the panel's captions left of their
// controls, its heading and its buttons.
// A label's text within the label, and the label left of `right`.
inline bool LabelFits(const QLabel* label, int right) {
  const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
  return width <= label->width() && label->x() + label->width() <= right;
}

inline void VerifyEveryTextFits(TForm1& form, UnitPanel& panel) {
  const auto fits = LabelFits;
  for (QLineEdit* box : form.Boxes()) {
    const auto* row = static_cast<const ListRow*>(box->parentWidget());
    QVERIFY2(fits(row->TitleLabel(), box->x()), qPrintable(row->Text()));
  }
  const QLabel* hint = form.TopL;
  QVERIFY2(fits(hint, hint->parentWidget()->width()), qPrintable(hint->text()));
  for (ListRow* row : panel.findChildren<ListRow*>()) {
    int controls = row->width();
    for (QWidget* child : row->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child != row->TitleLabel() && child->height() > 1)
        controls = std::min(controls, child->x());
    }
    QVERIFY2(fits(row->TitleLabel(), controls), qPrintable(row->Text()));
  }
  QVERIFY2(fits(panel.L_Unit, panel.width()), qPrintable(panel.L_Unit->text()));
  for (QPushButton* button : {panel.Set_Save, panel.Set_Btn, panel.BtnCancel}) {
    QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width(),
             qPrintable(button->text()));
  }
}

}  // namespace vaporin
