#include "app/text_fit.h"

#include <algorithm>
#include <cmath>

namespace vaporin {

TextFit FitText(int designedPixelSize, int available, const std::function<int(int)>& widthAt) {
  const int floor =
      std::max(1, static_cast<int>(std::ceil(designedPixelSize * TextFitFloorFraction)));
  for (int size = designedPixelSize; size >= floor; --size) {
    if (widthAt(size) <= available) return {size, false};
  }
  return {floor, true};
}

}  // namespace vaporin
