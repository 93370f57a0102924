#pragma once

class QWidget;

namespace vaporin {

// Moves and sizes a top-level window, frame and all, so that it lies wholly within the
// available area of a screen, whatever was saved and whatever the scale factor.
void FitOnScreen(QWidget* window);

}  // namespace vaporin
