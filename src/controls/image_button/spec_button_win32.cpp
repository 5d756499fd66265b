#include "controls/image_button/spec_button_win32.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "controls/image_button/img_btn_custom_button_win32.h"
#include "controls/image_button/img_btn_gdi_win32.h"

namespace {
constexpr int kInset = 3;           // frame and focus rectangle
constexpr int kGlyphTop = 6;        // from the top of the content
constexpr int kCaptionGap = 3;      // between the picture and the caption
constexpr int kCaptionInset = 2;    // left and right of the caption
constexpr UINT kCaptionFlags = DT_CENTER | DT_TOP | DT_WORDBREAK;

class TSpecButton final : public TCustomButton {
 public:
  static TSpecButton* Create(HWND parent, int id, int x, int y, int w, int h,
                             const std::string& caption) {
    auto* button = new TSpecButton;
    CreateOwned(button, parent, id, x, y, w, h, caption);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)))
      SendMessageA(button->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
  }

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void MouseEntered() override { InvalidateRect(Handle(), nullptr, FALSE); }
  void MouseLeft() override { InvalidateRect(Handle(), nullptr, FALSE); }

 private:
  TSpecButton() = default;
  void PaintFrame(HDC dc, const RECT& r, bool enabled, bool down, bool focused);
  void PaintCaption(HDC dc, RECT r, bool enabled);
};

int ThemeState(bool enabled, bool down, bool hot) {
  if (!enabled) return PBS_DISABLED;
  if (down) return PBS_PRESSED;
  return hot ? PBS_HOT : PBS_NORMAL;
}

void TSpecButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool enabled = !(item.itemState & ODS_DISABLED);
  const bool down = enabled && (item.itemState & ODS_SELECTED);
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  HDC dc = item.hDC;
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
  PaintFrame(dc, item.rcItem, enabled, down, focused);
  RECT content = item.rcItem;
  InflateRect(&content, -kInset, -kInset);
  if (down) OffsetRect(&content, 1, 1);
  const int glyphX = (content.left + content.right - kSpecGlyphSize) / 2;
  const int glyphY = content.top + kGlyphTop;
  DrawSpecGlyph(dc, glyphX, glyphY, enabled);
  content.top = glyphY + kSpecGlyphSize + kCaptionGap;
  InflateRect(&content, -kCaptionInset, 0);
  PaintCaption(dc, content, enabled);
  if (focused) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -kInset, -kInset);
    DrawFocusRect(dc, &focus);
  }
}

// Flat: the frame shows only while the mouse is over the button, it is pressed or focused.
void TSpecButton::PaintFrame(HDC dc, const RECT& r, bool enabled, bool down, bool focused) {
  const bool framed = MouseInControl() || down || focused;
  TThemeData theme(Handle(), L"BUTTON");
  if (theme) {
    RECT item = r;
    FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));  // for a parent that paints no background
    DrawThemeParentBackground(Handle(), dc, &item);
    if (framed)
      DrawThemeBackground(theme.Get(), dc, BP_PUSHBUTTON, ThemeState(enabled, down, MouseInControl()),
                          &r, nullptr);
    return;
  }
  FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
  if (!framed) return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  if (down) Frame3D(dc, r, shadow, highlight);
  else Frame3D(dc, r, highlight, shadow);
}

void TSpecButton::PaintCaption(HDC dc, RECT r, bool enabled) {
  const std::string text = Caption();
  SetBkMode(dc, TRANSPARENT);
  if (enabled) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text.c_str(), -1, &r, kCaptionFlags);
    return;
  }
  RECT shifted = r;  // engraved, like the image buttons
  OffsetRect(&shifted, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextA(dc, text.c_str(), -1, &shifted, kCaptionFlags);
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextA(dc, text.c_str(), -1, &r, kCaptionFlags);
}
}  // namespace

HWND CreateSpecButton(HWND parent, int id, int x, int y, int width, int height,
                      const std::string& caption) {
  return TSpecButton::Create(parent, id, x, y, width, height, caption)->Handle();
}
