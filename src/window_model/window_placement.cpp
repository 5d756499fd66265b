#include "window_model/window_placement.h"

#include <algorithm>

namespace {
// The least move along one axis; the near edge wins when the window is longer than the span.
int PlaceOnAxis(int wanted, int length, int low, int high) {
  return std::max(low, std::min(wanted, high - length));
}
}  // namespace

ScreenPoint PlaceInWorkArea(ScreenPoint wanted, int width, int height, const ScreenRect& workArea) {
  return {PlaceOnAxis(wanted.x, width, workArea.left, workArea.right),
          PlaceOnAxis(wanted.y, height, workArea.top, workArea.bottom)};
}
