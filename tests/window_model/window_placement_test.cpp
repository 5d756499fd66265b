// The main window's place on the monitor it opens on, as a function of the work area.
#include "window_model/window_placement.h"

#include <gtest/gtest.h>

namespace {
// The main window's outer size and wanted corner under the classic theme.
constexpr int kWidth = 767, kHeight = 552;
constexpr ScreenPoint kWanted{198, 179};

struct PlacementCase {
  const char* name;
  ScreenRect workArea;
  ScreenPoint expected;
};
}  // namespace

TEST(PlaceInWorkArea, KeepsTheWantedCornerWhenItFitsElseMovesTheLeast) {
  const PlacementCase cases[] = {
      {"1920 x 1080, taskbar below", {0, 0, 1920, 1040}, {198, 179}},
      {"just fits on both axes", {0, 0, 198 + kWidth, 179 + kHeight}, {198, 179}},
      {"150 %: 1280 x 720 less the taskbar", {0, 0, 1280, 688}, {198, 136}},
      {"one pixel short at the bottom", {0, 0, 1280, 179 + kHeight - 1}, {198, 178}},
      {"taskbar on top", {0, 200, 1280, 1024}, {198, 200}},
      {"wide taskbar on the left", {300, 0, 1600, 900}, {300, 179}},
      {"narrow screen: right edge", {0, 0, 900, 900}, {133, 179}},
      {"200 %: taller than the work area", {0, 0, 960, 508}, {193, 0}},
      {"larger both ways: top-left", {0, 0, 640, 440}, {0, 0}},
      {"monitor right of the primary", {1920, 0, 3200, 984}, {1920, 179}},
      {"monitor above the primary", {0, -1080, 1920, -40}, {198, -40 - kHeight}},
      {"small monitor left of the primary: top-left", {-700, 0, 0, 500}, {-700, 0}},
  };
  for (const PlacementCase& c : cases) {
    const ScreenPoint at = PlaceInWorkArea(kWanted, kWidth, kHeight, c.workArea);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
  }
}
