#include "controls/image_button/img_btn_layout.h"

namespace {
// A caption that is not centred may use the button's width less the image and this allowance.
constexpr int kAlignedCaptionAllowance = 18;

// Offset of the block from the edge it is placed from: the left edge with the image on the left,
// the right edge with the image on the right. The margin counts from the aligned edge either way.
// Integer division truncates toward zero, so negative free space is halved toward zero (-3: -1).
int BlockOffset(const TLayoutInput& in, int freeSpace) {
  if (in.margin == -1 || in.alignment == iaCenter) return freeSpace / 2;
  const bool alignedToPlacingEdge = (in.alignment == iaLeft) == (in.layout == blImageLeft);
  return alignedToPlacingEdge ? in.margin : freeSpace - in.margin;
}

void PlaceHorizontally(const TLayoutInput& in, int spacing, TLayoutParts& p) {
  const int w = in.work.Width();
  const int block = p.image.right + spacing + p.caption.right;
  const int m = BlockOffset(in, w - block);
  if (in.layout == blImageLeft) {
    p.image.Offset(m, 0);
    p.caption.Offset(p.image.right + spacing, 0);
  } else {
    p.image.Offset(w - m - p.image.right, 0);
    p.caption.Offset(w - block - m, 0);
  }
}
}  // namespace

TLayoutParts LayoutParts(const TLayoutInput& in, const TCaptionMeasure& measure) {
  TLayoutParts p;
  int spacing = 0;
  if (in.image) {
    p.image = {0, 0, in.image->width - 1, in.image->height - 1};
    spacing = in.spacing;
  }
  TLayoutRect bounds{0, 0, in.work.Width() - p.image.right, in.work.bottom};
  const int alignedRight = in.buttonWidth - p.image.right - kAlignedCaptionAllowance;
  if (in.alignment != iaCenter && alignedRight > bounds.right) bounds.right = alignedRight;
  p.caption = measure(bounds);
  PlaceHorizontally(in, spacing, p);
  const int h = in.work.Height();
  p.image.Offset(in.work.left, in.work.top + (h - p.image.bottom) / 2);
  p.caption.Offset(in.work.left, in.work.top + (h - p.caption.bottom) / 2);
  return p;
}

TLayoutParts LayoutParts(const TLayoutInput& input, TLayoutSize caption) {
  return LayoutParts(input, [caption](const TLayoutRect&) {
    return TLayoutRect{0, 0, caption.width, caption.height};
  });
}

std::string CaptionForDrawing(const std::string& caption, bool wordWrap) {
  if (!wordWrap) return caption;
  std::string text;
  text.reserve(caption.size() + 8);
  for (char c : caption) {
    if (c == '|') text += "\r\n";
    else text += c;
  }
  return text;
}

TFontDesc FollowFont(const TFontDesc& hotTrack, const TFontDesc& control, TTrackFontOptions options) {
  if (!(options & hoFollowFont)) return hotTrack;
  TFontDesc f = hotTrack;
  if (!(options & hoPreserveCharSet)) f.charset = control.charset;
  if (!(options & hoPreserveColor)) f.color = control.color;
  if (!(options & hoPreserveHeight)) f.height = control.height;
  if (!(options & hoPreserveName)) f.name = control.name;
  if (!(options & hoPreservePitch)) f.pitch = control.pitch;
  if (!(options & hoPreserveStyle)) f.style = control.style;
  return f;
}
