#include <gtest/gtest.h>

#include "controls/scope/raster.h"

namespace {
constexpr TColor kRed = 0x000000FF;  // $00BBGGRR
constexpr TColor kBlue = 0x00FF0000;
constexpr TColor kLime = 0x0000FF00;
}  // namespace

TEST(Raster, ColoursAreStoredInDibOrderAndReadBackAsGiven) {
  TRaster raster(3, 2);
  raster.FillRect(0, 0, 1, 1, kRed);
  raster.FillRect(1, 0, 2, 1, kBlue);
  EXPECT_EQ(raster.Bits()[0], 0x00FF0000u);  // red in the DIB's R byte
  EXPECT_EQ(raster.Bits()[1], 0x000000FFu);
  EXPECT_EQ(raster.Pixel(0, 0), kRed);
  EXPECT_EQ(raster.Pixel(1, 0), kBlue);
  EXPECT_EQ(raster.Pixel(2, 1), 0u);
  EXPECT_EQ(raster.Pixel(-1, 0), 0u);  // outside reads black
  EXPECT_EQ(raster.Pixel(3, 0), 0u);
}

TEST(Raster, FillExcludesRightAndBottomAndIsClipped) {
  TRaster raster(5, 4);
  raster.FillRect(1, 1, 3, 3, kLime);
  EXPECT_EQ(raster.Pixel(1, 1), kLime);
  EXPECT_EQ(raster.Pixel(2, 2), kLime);
  EXPECT_EQ(raster.Pixel(3, 2), 0u);
  EXPECT_EQ(raster.Pixel(2, 3), 0u);
  raster.FillRect(-10, -10, 100, 100, kRed);  // larger than the buffer
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(raster.Pixel(x, y), kRed);
  raster.FillRect(4, 0, 2, 4, kBlue);  // empty
  EXPECT_EQ(raster.Pixel(3, 0), kRed);
}

TEST(Raster, LinesLeaveTheirEndPointAndSplitTiesTowardsTheSmallerCoordinate) {
  TRaster raster(16, 16);
  raster.SetPenColor(kLime);
  raster.MoveTo(8, 8);
  raster.LineTo(12, 9);  // the midpoint x = 10 lies exactly between rows 8 and 9
  EXPECT_EQ(raster.Pixel(8, 8), kLime);
  EXPECT_EQ(raster.Pixel(10, 8), kLime);
  EXPECT_EQ(raster.Pixel(11, 9), kLime);
  EXPECT_EQ(raster.Pixel(12, 9), 0u);  // end point
  raster.LineTo(8, 5);                  // continues from the pen position
  EXPECT_EQ(raster.Pixel(12, 9), kLime);
  EXPECT_EQ(raster.Pixel(8, 5), 0u);
  raster.MoveTo(3, 3);
  raster.LineTo(3, 3);  // zero length draws nothing
  EXPECT_EQ(raster.Pixel(3, 3), 0u);
}

TEST(Raster, LinesFarOutsideAreClippedWithoutChangingTheirPath) {
  TRaster small(10, 10), large(2000, 10);
  for (TRaster* r : {&small, &large}) {
    r->SetPenColor(kRed);
    r->MoveTo(-900, 2);
    r->LineTo(1000, 7);
  }
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(small.Pixel(x, y), large.Pixel(x, y)) << x << "," << y;
  TRaster extreme(10, 10);
  extreme.SetPenColor(kRed);
  extreme.MoveTo(5, -2000000000);  // extreme coordinates do not overflow
  extreme.LineTo(6, 2000000000);
  for (int y = 0; y < 10; ++y)  // a near-vertical line: one pixel per row, in column 5 or 6
    EXPECT_EQ((extreme.Pixel(5, y) == kRed) + (extreme.Pixel(6, y) == kRed), 1) << y;
}

TEST(Raster, OverlappingCopyMovesContentLeftAndKeepsTheVacatedStrip) {
  TRaster raster(6, 2);
  for (int x = 0; x < 6; ++x) raster.FillRect(x, 0, x + 1, 2, static_cast<TColor>(x + 1));
  raster.CopyRect(0, 0, 2, 0, 4, 2);
  const TColor expected[6] = {3, 4, 5, 6, 5, 6};
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(raster.Pixel(x, 0), expected[x]);
    EXPECT_EQ(raster.Pixel(x, 1), expected[x]);
  }
  raster.CopyRect(2, 0, 0, 0, 4, 2);  // rightwards overlaps the other way
  EXPECT_EQ(raster.Pixel(2, 1), 3u);
  EXPECT_EQ(raster.Pixel(5, 1), 6u);
  raster.CopyRect(0, 0, 5, 0, 10, 10);  // clipped to what exists
  EXPECT_EQ(raster.Pixel(0, 0), 6u);
  EXPECT_EQ(raster.Pixel(1, 0), 4u);
}

TEST(Raster, ResizeKeepsTheCommonAreaAndBlanksTheRest) {
  TRaster raster(4, 4);
  raster.FillRect(0, 0, 4, 4, kBlue);
  raster.SetSize(6, 3);
  EXPECT_EQ(raster.Width(), 6);
  EXPECT_EQ(raster.Height(), 3);
  EXPECT_EQ(raster.Pixel(3, 2), kBlue);
  EXPECT_EQ(raster.Pixel(4, 0), 0u);
  TRaster same(6, 3);
  EXPECT_FALSE(raster == same);
  same.FillRect(0, 0, 4, 3, kBlue);
  EXPECT_TRUE(raster == same);
}
