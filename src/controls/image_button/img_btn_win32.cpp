#include "controls/image_button/img_btn_win32.h"

#include <cstring>

namespace {
constexpr int kBoldWeight = FW_BOLD;

TFontDesc DescFromFont(HFONT font, COLORREF color) {
  LOGFONTA lf{};
  GetObjectA(font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
  TFontDesc desc;
  desc.charset = lf.lfCharSet;
  desc.color = color;
  desc.height = lf.lfHeight;
  desc.name = lf.lfFaceName;
  desc.pitch = lf.lfPitchAndFamily & 0x3;
  desc.style = (lf.lfWeight >= kBoldWeight ? fsBold : 0u) | (lf.lfItalic ? fsItalic : 0u) |
               (lf.lfUnderline ? fsUnderline : 0u) | (lf.lfStrikeOut ? fsStrikeOut : 0u);
  return desc;
}

HFONT FontFromDesc(const TFontDesc& desc) {
  LOGFONTA lf{};
  lf.lfHeight = desc.height;
  lf.lfWeight = (desc.style & fsBold) ? kBoldWeight : FW_NORMAL;
  lf.lfItalic = (desc.style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (desc.style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (desc.style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(desc.charset);
  lf.lfPitchAndFamily = static_cast<BYTE>(desc.pitch & 0x3);
  strncpy(lf.lfFaceName, desc.name.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}
}  // namespace

TCustomImageButton::TCustomImageButton()
    : FHotTrackFont(DescFromFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                                 GetSysColor(COLOR_WINDOWTEXT))),
      FFontColor(GetSysColor(COLOR_BTNTEXT)) {}

void TCustomImageButton::Changed() { InvalidateRect(Handle(), nullptr, FALSE); }

void TCustomImageButton::SetAlignment(TImgBtnAlignment value) {
  FAlignment = value;
  Changed();
}

void TCustomImageButton::SetColor(COLORREF value) {
  FColor = value;
  Changed();
}

void TCustomImageButton::SetFlat(bool value) {
  FFlat = value;
  Changed();
}

void TCustomImageButton::SetHotTrackFont(const TFontDesc& value) {
  FHotTrackFont = value;
  FHotTrackFontHandle.Reset();
  if (FHotFontInPlace) Changed();
}

void TCustomImageButton::SetHotTrackFontOptions(TTrackFontOptions value) {
  FHotTrackFontOptions = value;
  FollowControlFont();
}

void TCustomImageButton::SetImages(HIMAGELIST value) {
  FImages = value;
  Changed();
}

void TCustomImageButton::SetImageIndex(int value) {
  FImageIndex = value;
  Changed();
}

void TCustomImageButton::SetImageVisible(bool value) {
  FImageVisible = value;
  Changed();
}

void TCustomImageButton::SetKind(TImgBtnKind value) {
  FKind = value;
  Changed();
}

void TCustomImageButton::SetLayout(TImgBtnLayout value) {
  FLayout = value;
  Changed();
}

void TCustomImageButton::SetMargin(int value) {
  if (value < -1) return;
  FMargin = value;
  if (value == -1) FAlignment = iaCenter;
  Changed();
}

void TCustomImageButton::SetSpacing(int value) {
  FSpacing = value;
  Changed();
}

void TCustomImageButton::SetMustDrawFocusRect(bool value) {
  FMustDrawFocusRect = value;
  Changed();
}

void TCustomImageButton::SetMustDrawButtonFrame(bool value) {
  FMustDrawButtonFrame = value;
  Changed();
}

void TCustomImageButton::SetWordWrap(bool value) {
  FWordWrap = value;
  Changed();
}

void TCustomImageButton::SetOwnerDraw(bool value) {
  FOwnerDraw = value;
  Changed();
}

void TCustomImageButton::SetFont(HFONT font) {
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT TCustomImageButton::Font() const {
  return reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
}

void TCustomImageButton::SetFontColor(COLORREF value) {
  FFontColor = value;
  FollowControlFont();
  Changed();
}

void TCustomImageButton::FontChanged() { FollowControlFont(); }

void TCustomImageButton::FollowControlFont() {
  TFontDesc followed =
      FollowFont(FHotTrackFont, DescFromFont(Font(), FFontColor), FHotTrackFontOptions);
  if (followed == FHotTrackFont) return;
  SetHotTrackFont(followed);
}

HFONT TCustomImageButton::CurrentFont() {
  if (!FHotFontInPlace) return Font();
  if (!FHotTrackFontHandle.Get()) FHotTrackFontHandle.Reset(FontFromDesc(FHotTrackFont));
  return FHotTrackFontHandle.Get();
}

COLORREF TCustomImageButton::CurrentFontColor() const {
  return FHotFontInPlace ? static_cast<COLORREF>(FHotTrackFont.color) : FFontColor;
}

void TCustomImageButton::MouseEntered() {
  if (FHotTrack) FHotFontInPlace = true;
  if (OnMouseEnter) OnMouseEnter(*this);
  RepaintForHover();
}

void TCustomImageButton::MouseLeft() {
  FHotFontInPlace = false;
  if (OnMouseLeave) OnMouseLeave(*this);
  RepaintForHover();
}

// Themed buttons light up, flat ones show their frame, and a swapped font changes the caption;
// a plain classic button looks the same with the mouse over it.
void TCustomImageButton::RepaintForHover() {
  TThemeData theme(Handle(), L"BUTTON");
  if (theme) {
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
  } else if (FFlat || FHotTrack) {
    Changed();
  }
}

TImgBtn* TImgBtn::Create(HWND parent, int id, int x, int y, int width, int height,
                         const std::string& caption) {
  auto* button = new TImgBtn;
  CreateOwned(button, parent, id, x, y, width, height, caption);
  if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)))
    button->SetFont(font);
  return button;
}

TImgBtn* TImgBtn::FromWindow(HWND window) {
  return dynamic_cast<TImgBtn*>(TCustomButton::FromWindow(window));
}
