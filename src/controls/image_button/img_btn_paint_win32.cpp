// Drawing of the image button: frame, then caption and image laid out inside it, then focus.
#include <vssym32.h>

#include "controls/image_button/img_btn_win32.h"

namespace {
constexpr int kClassicContentInset = 4;

RECT ToRect(const TLayoutRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
TLayoutRect ToLayout(const RECT& r) { return TLayoutRect{r.left, r.top, r.right, r.bottom}; }

int ThemeState(bool enabled, bool down, bool hot, bool focused) {
  if (!enabled) return PBS_DISABLED;
  if (down) return PBS_PRESSED;
  if (hot) return PBS_HOT;
  if (focused) return PBS_DEFAULTED;
  return PBS_NORMAL;
}

void FrameColor(HDC dc, const RECT& r, COLORREF color) {
  TBrushHandle brush(CreateSolidBrush(color));
  FrameRect(dc, &r, brush.Get());
}

void RectangleFilled(HDC dc, const RECT& r, COLORREF pen, COLORREF fill) {
  TPenHandle outline(CreatePen(PS_SOLID, 1, pen));
  TBrushHandle inside(CreateSolidBrush(fill));
  TSelectGuard selectPen(dc, outline.Get());
  TSelectGuard selectBrush(dc, inside.Get());
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}
}  // namespace

void TCustomImageButton::DrawItem(const DRAWITEMSTRUCT& item) {
  TDrawState s;
  s.dc = item.hDC;
  s.item = item.rcItem;
  s.enabled = !(item.itemState & ODS_DISABLED);
  s.down = (item.itemState & ODS_SELECTED) && s.enabled;
  s.focused = (item.itemState & ODS_FOCUS) != 0;
  TSelectGuard font(s.dc, CurrentFont());
  if (FOwnerDraw && OnButtonDraw) OnButtonDraw(*this, s.dc, item.rcItem, item.itemState);
  else PaintButton(s);
}

void TCustomImageButton::PaintButton(const TDrawState& s) {
  TThemeData theme(Handle(), L"BUTTON");
  const RECT r = PaintFrame(s, theme.Get());
  RECT work = r;
  // Pressed content moves right, and down too unless the theme already shows the press.
  if (!FDisableDrawDown && s.down && s.enabled) OffsetRect(&work, 1, theme ? 0 : 1);
  const std::string text = CaptionForDrawing(Caption(), FWordWrap);
  const TLayoutParts parts = LayoutParts(s, work, text);
  PaintCaption(s, ToRect(parts.caption), text);
  PaintImage(s, ToRect(parts.image));
  if (FMustDrawFocusRect && s.focused) PaintFocus(s, r);
}

RECT TCustomImageButton::PaintFrame(const TDrawState& s, HTHEME theme) {
  if (theme) return PaintThemedFrame(s, theme);
  PaintClassicFrame(s);
  RECT r;
  GetClientRect(Handle(), &r);
  InflateRect(&r, -kClassicContentInset, -kClassicContentInset);
  return r;
}

// Under a theme the element itself shows hover and focus, so Flat changes nothing here: the
// frame is drawn whenever MustDrawButtonFrame asks for it.
RECT TCustomImageButton::PaintThemedFrame(const TDrawState& s, HTHEME theme) {
  const int state = ThemeState(s.enabled, s.down, MouseInControl(), s.focused);
  RECT item = s.item;
  // Some parents (a group box under Wine) paint no background when asked: start from the face.
  FillSolid(s.dc, item, FaceColor());
  DrawThemeParentBackground(Handle(), s.dc, &item);
  if (FMustDrawButtonFrame)
    DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, state, &s.item, nullptr);
  RECT content = s.item;
  GetThemeBackgroundContentRect(theme, s.dc, BP_PUSHBUTTON, state, &s.item, &content);
  return content;
}

void TCustomImageButton::PaintClassicFrame(const TDrawState& s) {
  RECT f;
  GetClientRect(Handle(), &f);
  if (FFlat) {
    FillSolid(s.dc, f, FaceColor());
    if (!FMustDrawButtonFrame || !(MouseInControl() || s.focused)) return;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (s.down) Frame3D(s.dc, f, shadow, highlight);
    else Frame3D(s.dc, f, highlight, shadow);
    return;
  }
  if (s.focused) {
    const COLORREF outline = !FMustDrawButtonFrame ? FaceColor()
                             : s.enabled          ? GetSysColor(COLOR_WINDOWFRAME)
                                                  : GetSysColor(COLOR_INACTIVECAPTION);
    FrameColor(s.dc, f, outline);
    InflateRect(&f, -1, -1);
  }
  PaintRaisedFrame(s, f);
  FillSolid(s.dc, f, FaceColor());
}

// The pressed outline or the platform's push-button frame; shrinks f to what is inside.
void TCustomImageButton::PaintRaisedFrame(const TDrawState& s, RECT& f) {
  if (s.down) {
    const COLORREF pen = FMustDrawButtonFrame ? GetSysColor(COLOR_BTNSHADOW) : FaceColor();
    RectangleFilled(s.dc, f, pen, GetSysColor(COLOR_BTNFACE));
    InflateRect(&f, -1, -1);
  } else if (FMustDrawButtonFrame) {
    UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (s.enabled ? 0 : DFCS_INACTIVE);
    DrawFrameControl(s.dc, &f, DFC_BUTTON, state);
  }
}

TLayoutParts TCustomImageButton::LayoutParts(const TDrawState& s, const RECT& work,
                                             const std::string& text) {
  TLayoutInput in;
  in.work = ToLayout(work);
  if (ImageShown()) {
    int width = 0, height = 0;
    ImageList_GetIconSize(FImages, &width, &height);
    in.image = TLayoutSize{width, height};
  }
  in.spacing = FSpacing;
  in.alignment = FAlignment;
  in.margin = FMargin;
  in.layout = FLayout;
  RECT client;
  GetClientRect(Handle(), &client);
  in.buttonWidth = client.right - client.left;
  const UINT flags = TextFlags() | DT_CALCRECT;
  return ::LayoutParts(in, [&](const TLayoutRect& bounds) {
    RECT r = ToRect(bounds);
    DrawTextA(s.dc, text.c_str(), -1, &r, flags);
    return ToLayout(r);
  });
}

void TCustomImageButton::PaintCaption(const TDrawState& s, const RECT& t, const std::string& text) {
  SetBkMode(s.dc, TRANSPARENT);
  RECT r = t;
  if (s.enabled) {
    SetTextColor(s.dc, CurrentFontColor());
    DrawTextA(s.dc, text.c_str(), -1, &r, TextFlags());
    return;
  }
  // Engraved: a highlight copy one pixel right and down, the shadow colour on top.
  OffsetRect(&r, 1, 1);
  SetTextColor(s.dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextA(s.dc, text.c_str(), -1, &r, TextFlags());
  r = t;
  SetTextColor(s.dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextA(s.dc, text.c_str(), -1, &r, TextFlags());
}

void TCustomImageButton::PaintImage(const TDrawState& s, const RECT& i) {
  if (!ImageShown()) return;
  IMAGELISTDRAWPARAMS p{};
  p.cbSize = sizeof(p);
  p.himl = FImages;
  p.i = FImageIndex;
  p.hdcDst = s.dc;
  p.x = i.left;
  p.y = i.top;
  p.rgbBk = CLR_NONE;
  p.rgbFg = CLR_DEFAULT;
  p.fStyle = ILD_TRANSPARENT;
  p.fState = s.enabled ? ILS_NORMAL : ILS_SATURATE;
  ImageList_DrawIndirect(&p);
}

void TCustomImageButton::PaintFocus(const TDrawState& s, const RECT& r) {
  SetTextColor(s.dc, GetSysColor(COLOR_WINDOWFRAME));
  SetBkColor(s.dc, GetSysColor(COLOR_BTNFACE));
  DrawFocusRect(s.dc, &r);
}

// Stock kinds have no pictures in this program, so only an image list gives an image.
bool TCustomImageButton::ImageShown() const {
  return FImageVisible && FImages && FImageIndex != -1;
}

UINT TCustomImageButton::TextFlags() const {
  UINT flags = DT_VCENTER | (FWordWrap ? DT_WORDBREAK : 0);
  flags |= FAlignment == iaLeft ? DT_LEFT : FAlignment == iaRight ? DT_RIGHT : DT_CENTER;
  if (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  return flags;
}

COLORREF TCustomImageButton::FaceColor() const {
  return FColor == kColorBtnFace ? GetSysColor(COLOR_BTNFACE) : FColor;
}
