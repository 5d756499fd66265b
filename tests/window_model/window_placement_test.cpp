// The main window's place on the monitor it opens on, as a function of the work area.
#include "window_model/window_placement.h"

#include <gtest/gtest.h>

TEST(PlaceInWorkArea, KeepsTheWantedCornerWhenItFitsElseMovesTheLeast) {
  constexpr int kWidth = 767, kHeight = 552;  // the main window's outer size
  const struct {
    ScreenRect workArea;
    ScreenPoint expected;
  } cases[] = {
      {{0, 0, 1920, 1040}, {198, 179}},
      {{0, 0, 198 + kWidth, 179 + kHeight}, {198, 179}},  // just fits
      {{0, 0, 1280, 688}, {198, 136}},                    // 150 %: under the taskbar
      {{300, 0, 1600, 900}, {300, 179}},                  // wide taskbar on the left
      {{0, 0, 900, 900}, {133, 179}},
      {{0, 0, 960, 508}, {193, 0}},       // 200 %: taller than the work area
      {{-700, 0, 0, 500}, {-700, 0}},     // larger both ways, monitor left of the primary
      {{1920, 0, 3200, 984}, {1920, 179}},  // monitor right of the primary
  };
  for (const auto& c : cases) {
    const ScreenPoint at = PlaceInWorkArea({198, 179}, kWidth, kHeight, c.workArea);
    EXPECT_EQ(at.x, c.expected.x) << c.workArea.left << "," << c.workArea.top;
    EXPECT_EQ(at.y, c.expected.y) << c.workArea.right << "," << c.workArea.bottom;
  }
}
