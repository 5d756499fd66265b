#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "controls/image_button/img_btn_layout.h"

namespace {
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 13;

// A monospaced stand-in for DrawText's measuring: one line per CR LF, no word wrapping.
TCaptionMeasure Monospaced(const std::string& text, TLayoutRect* seenBounds = nullptr) {
  return [text, seenBounds](const TLayoutRect& bounds) {
    if (seenBounds) *seenBounds = bounds;
    int lines = 0, widest = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      widest = std::max(widest, static_cast<int>(line.size()) * kCharWidth);
      ++lines;
    }
    return TLayoutRect{0, 0, widest, lines * kLineHeight};
  };
}

// The drivers button: 137 x 41, content rectangle shrunk by 4.
TLayoutInput DriversButton(std::optional<TLayoutSize> image = TLayoutSize{32, 32}) {
  TLayoutInput in;
  in.work = {4, 4, 133, 37};
  in.image = image;
  in.buttonWidth = 137;
  return in;
}

constexpr TLayoutSize kCaption{78, 13};
}  // namespace

TEST(ImgBtnLayout, CaptionAloneIsCentred) {
  TLayoutParts p = LayoutParts(DriversButton(std::nullopt), kCaption);
  EXPECT_EQ(p.caption, (TLayoutRect{29, 14, 107, 27}));
  EXPECT_EQ(p.image, (TLayoutRect{29, 20, 29, 20}));  // empty, so nothing is drawn
}

TEST(ImgBtnLayout, ImageLeftOrRightOfACentredBlock) {
  TLayoutInput in = DriversButton();
  TLayoutParts left = LayoutParts(in, kCaption);
  EXPECT_EQ(left.image, (TLayoutRect{12, 5, 43, 36}));
  EXPECT_EQ(left.caption, (TLayoutRect{47, 14, 125, 27}));

  in.layout = blImageRight;
  TLayoutParts right = LayoutParts(in, kCaption);
  EXPECT_EQ(right.caption, (TLayoutRect{12, 14, 90, 27}));
  EXPECT_EQ(right.image, (TLayoutRect{94, 5, 125, 36}));
}

TEST(ImgBtnLayout, MarginCountsFromTheAlignedEdge) {
  TLayoutInput in = DriversButton();
  in.margin = 5;
  in.alignment = iaLeft;
  EXPECT_EQ(LayoutParts(in, kCaption).image.left, 4 + 5);
  in.alignment = iaRight;
  EXPECT_EQ(LayoutParts(in, kCaption).caption.right, 133 - 5);

  in.layout = blImageRight;
  EXPECT_EQ(LayoutParts(in, kCaption).image.right, 133 - 5);
  in.alignment = iaLeft;
  EXPECT_EQ(LayoutParts(in, kCaption).caption.left, 4 + 5);
  in.alignment = iaCenter;  // centred: the margin plays no part
  EXPECT_EQ(LayoutParts(in, kCaption).caption.left, 12);
}

TEST(ImgBtnLayout, MarginMinusOneCentresWhateverTheAlignment) {
  TLayoutInput in = DriversButton();
  const TLayoutParts centred = LayoutParts(in, kCaption);
  for (TImgBtnAlignment a : {iaLeft, iaRight}) {
    in.alignment = a;
    TLayoutParts p = LayoutParts(in, kCaption);
    EXPECT_EQ(p.image, centred.image);
    EXPECT_EQ(p.caption, centred.caption);
  }
}

TEST(ImgBtnLayout, AlignedCaptionMayUseTheButtonWidthLessAnAllowance) {
  TLayoutInput in = DriversButton(std::nullopt);
  in.work = {4, 4, 54, 37};
  TLayoutRect bounds;
  LayoutParts(in, Monospaced("Drivers Update", &bounds));
  EXPECT_EQ(bounds, (TLayoutRect{0, 0, 50, 37}));  // centred: the work width
  in.alignment = iaLeft;
  LayoutParts(in, Monospaced("Drivers Update", &bounds));
  EXPECT_EQ(bounds, (TLayoutRect{0, 0, 137 - 18, 37}));
  in.image = TLayoutSize{32, 32};
  LayoutParts(in, Monospaced("Drivers Update", &bounds));
  EXPECT_EQ(bounds.right, 137 - 31 - 18);
}

TEST(ImgBtnLayout, NegativeFreeSpaceIsHalvedTowardZero) {
  TLayoutInput in;
  in.work = {0, 0, 10, 20};
  in.buttonWidth = 18;
  TLayoutParts p = LayoutParts(in, TLayoutSize{13, 27});  // 3 wider, 7 taller than the room
  EXPECT_EQ(p.caption, (TLayoutRect{-1, -3, 12, 24}));

  in.layout = blImageRight;
  in.image = TLayoutSize{6, 6};
  in.spacing = 0;
  p = LayoutParts(in, TLayoutSize{8, 13});  // block 5 + 8 = 13, free space -3
  EXPECT_EQ(p.image, (TLayoutRect{6, 7, 11, 12}));
  EXPECT_EQ(p.caption, (TLayoutRect{-2, 3, 6, 16}));
}

TEST(ImgBtnLayout, BarsBreakTheCaptionOnlyWithWordWrap) {
  EXPECT_EQ(CaptionForDrawing("Drivers|Update", true), "Drivers\r\nUpdate");
  EXPECT_EQ(CaptionForDrawing("||", true), "\r\n\r\n");
  EXPECT_EQ(CaptionForDrawing("Drivers|Update", false), "Drivers|Update");
  EXPECT_EQ(CaptionForDrawing("Empty\r\nslot", false), "Empty\r\nslot");

  TLayoutParts p = LayoutParts(DriversButton(), Monospaced(CaptionForDrawing("Drivers|Update", true)));
  EXPECT_EQ(p.caption.Height(), 2 * kLineHeight);
  EXPECT_EQ(p.caption.top, 4 + (33 - 26) / 2);
  EXPECT_EQ(p.caption.Width(), 7 * kCharWidth);  // the longer line, "Drivers"
}

TEST(HotTrackFont, FollowsTheControlFontExceptWhatIsPreserved) {
  const TFontDesc hot{0, 0x0000FF, -11, "Arial", 2, fsBold};
  const TFontDesc control{1, 0x000000, -13, "MS Sans Serif", 1, fsItalic};
  TFontDesc f = FollowFont(hot, control, kDefaultTrackFontOptions);
  EXPECT_EQ(f, (TFontDesc{1, 0x0000FF, -13, "MS Sans Serif", 1, fsBold}));

  EXPECT_EQ(FollowFont(hot, control, hoFollowFont), control);
  EXPECT_EQ(FollowFont(hot, control, hoPreserveColor | hoPreserveStyle), hot);  // not following
  const TTrackFontOptions all = hoFollowFont | hoPreserveCharSet | hoPreserveColor |
                                hoPreserveHeight | hoPreserveName | hoPreservePitch | hoPreserveStyle;
  EXPECT_EQ(FollowFont(hot, control, all), hot);
  f = FollowFont(hot, control, hoFollowFont | hoPreserveName | hoPreserveHeight);
  EXPECT_EQ(f.name, "Arial");
  EXPECT_EQ(f.height, -11);
  EXPECT_EQ(f.charset, 1);
}
