#pragma once

#include <vector>

class QAbstractButton;
class QLabel;

namespace vaporin {

// Fits a label's text into `available` layout units, from the font size it was designed with
// down to the floor, then with an ellipsis and the full text as its tooltip.
void FitInto(QLabel* label, int available);
// Fits a button's text into the button, from its designed font size down to the floor.
void FitInto(QAbstractButton* button);
// Fits the buttons' texts at one font size, the largest at which each fits its button.
void FitTogether(const std::vector<QAbstractButton*>& buttons);

}  // namespace vaporin
