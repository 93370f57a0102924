#pragma once

#include <QFont>

namespace vaporin {

// The style's font at a size in layout units, which the scaled view stretches.
inline QFont PixelFont(int pixelSize, bool bold = false) {
  QFont font;
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace vaporin
