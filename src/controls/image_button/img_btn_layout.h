#pragma once
// Arithmetic of the image button, free of any window: where the image and the caption go, how the
// caption text is prepared, and how the hot-track font follows the control font.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

enum TImgBtnAlignment { iaLeft, iaRight, iaCenter };
enum TImgBtnLayout { blImageLeft, blImageRight };
enum TImgBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
                   bkIgnore, bkAll };

// Same meaning as a Win32 RECT: right and bottom are exclusive.
struct TLayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  void Offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  bool operator==(const TLayoutRect&) const = default;
};

struct TLayoutSize {
  int width = 0, height = 0;
};

struct TLayoutInput {
  TLayoutRect work;                  // content rectangle, shifted when pressed
  std::optional<TLayoutSize> image;  // size of the image shown, or none
  int spacing = 4;                   // between image and caption
  TImgBtnAlignment alignment = iaCenter;
  int margin = -1;                   // from the aligned edge; -1 centres the block
  TImgBtnLayout layout = blImageLeft;
  int buttonWidth = 0;               // the whole button, not just the work rectangle
};

struct TLayoutParts {
  TLayoutRect caption;  // T
  TLayoutRect image;    // I; (0,0,0,0) moved into place when no image is shown
};

// Measures the caption inside the given bounds (origin 0,0) and answers the text's extent,
// as DrawText with DT_CALCRECT does.
using TCaptionMeasure = std::function<TLayoutRect(const TLayoutRect& bounds)>;

TLayoutParts LayoutParts(const TLayoutInput& input, const TCaptionMeasure& measure);
// The same with a caption whose extent is already known.
TLayoutParts LayoutParts(const TLayoutInput& input, TLayoutSize caption);

// Caption as drawn and measured: with word wrap every "|" becomes a line break.
std::string CaptionForDrawing(const std::string& caption, bool wordWrap);

// Font as the hot-track font follows it. Style bits: bold, italic, underline, strike-out.
enum TFontStyleBit : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
struct TFontDesc {
  int charset = 0;
  uint32_t color = 0;  // 0x00BBGGRR
  int height = 0;
  std::string name;
  int pitch = 0;
  unsigned style = 0;
  bool operator==(const TFontDesc&) const = default;
};

enum TTrackFontOption : unsigned {
  hoFollowFont = 1, hoPreserveCharSet = 2, hoPreserveColor = 4, hoPreserveHeight = 8,
  hoPreserveName = 16, hoPreservePitch = 32, hoPreserveStyle = 64
};
using TTrackFontOptions = unsigned;  // set of TTrackFontOption bits
constexpr TTrackFontOptions kDefaultTrackFontOptions =
    hoFollowFont | hoPreserveColor | hoPreserveStyle;

// The hot-track font after the control font changed: unchanged without hoFollowFont, else each
// attribute taken from the control font unless its preserve option is set.
TFontDesc FollowFont(const TFontDesc& hotTrack, const TFontDesc& control, TTrackFontOptions options);
