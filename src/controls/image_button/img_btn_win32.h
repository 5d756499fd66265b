#pragma once
// The image push button: a picture from an image list beside a caption, drawn completely by the
// control: themed or classic frame, flat or raised, focus rectangle, engraved caption when
// disabled, hot-tracking with an optional font swap. The layout arithmetic lives in
// img_btn_layout.h; this is the window side.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "controls/image_button/img_btn_custom_button_win32.h"
#include "controls/image_button/img_btn_gdi_win32.h"
#include "controls/image_button/img_btn_layout.h"

class TCustomImageButton : public TCustomButton {
 public:
  // Face colour meaning "the system's button face", resolved at every drawing.
  static constexpr COLORREF kColorBtnFace = CLR_DEFAULT;

  using TButtonDrawEvent = std::function<void(TCustomImageButton& sender, HDC dc,
                                              const RECT& rect, UINT itemState)>;
  using TNotifyEvent = std::function<void(TCustomImageButton& sender)>;

  TImgBtnAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TImgBtnAlignment value);
  COLORREF Color() const { return FColor; }
  void SetColor(COLORREF value);
  // Classic look only: no frame until hovered or focused. A theme draws its frame regardless.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value) { FHotTrack = value; }
  const TFontDesc& HotTrackFont() const { return FHotTrackFont; }
  void SetHotTrackFont(const TFontDesc& value);
  TTrackFontOptions HotTrackFontOptions() const { return FHotTrackFontOptions; }
  void SetHotTrackFontOptions(TTrackFontOptions value);
  HIMAGELIST Images() const { return FImages; }
  void SetImages(HIMAGELIST value);  // not owned: the list must outlive the button
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  bool ImageVisible() const { return FImageVisible; }
  void SetImageVisible(bool value);
  TImgBtnKind Kind() const { return FKind; }
  void SetKind(TImgBtnKind value);
  TImgBtnLayout Layout() const { return FLayout; }
  void SetLayout(TImgBtnLayout value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);  // below -1 ignored; -1 centres and sets Alignment to centre
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  bool MustDrawFocusRect() const { return FMustDrawFocusRect; }
  void SetMustDrawFocusRect(bool value);
  bool MustDrawButtonFrame() const { return FMustDrawButtonFrame; }
  void SetMustDrawButtonFrame(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool DisableDrawDown() const { return FDisableDrawDown; }
  void SetDisableDrawDown(bool value) { FDisableDrawDown = value; }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);

  // The control font (not owned) and its colour; the hot-track font follows them.
  void SetFont(HFONT font);
  HFONT Font() const;
  COLORREF FontColor() const { return FFontColor; }
  void SetFontColor(COLORREF value);

  TButtonDrawEvent OnButtonDraw;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  TCustomImageButton();

  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void MouseEntered() override;
  void MouseLeft() override;
  void FontChanged() override;

 private:
  struct TDrawState {
    HDC dc;
    RECT item;
    bool enabled, down, focused;
  };

  void PaintButton(const TDrawState& s);
  RECT PaintFrame(const TDrawState& s, HTHEME theme);
  RECT PaintThemedFrame(const TDrawState& s, HTHEME theme);
  void PaintClassicFrame(const TDrawState& s);
  void PaintRaisedFrame(const TDrawState& s, RECT& f);
  TLayoutParts LayoutParts(const TDrawState& s, const RECT& work, const std::string& text);
  void PaintCaption(const TDrawState& s, const RECT& t, const std::string& text);
  void PaintImage(const TDrawState& s, const RECT& i);
  void PaintFocus(const TDrawState& s, const RECT& r);
  bool ImageShown() const;
  UINT TextFlags() const;
  COLORREF FaceColor() const;
  HFONT CurrentFont();
  COLORREF CurrentFontColor() const;
  void FollowControlFont();
  void RepaintForHover();
  void Changed();

  TImgBtnAlignment FAlignment = iaCenter;
  COLORREF FColor = kColorBtnFace;
  bool FFlat = false;
  bool FHotTrack = false;
  TFontDesc FHotTrackFont;
  TFontHandle FHotTrackFontHandle;  // made from FHotTrackFont on first use
  TTrackFontOptions FHotTrackFontOptions = kDefaultTrackFontOptions;
  bool FHotFontInPlace = false;  // HotTrack has swapped the fonts while the mouse is over it
  HIMAGELIST FImages = nullptr;
  int FImageIndex = -1;
  bool FImageVisible = true;
  TImgBtnKind FKind = bkCustom;
  TImgBtnLayout FLayout = blImageLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FMustDrawFocusRect = true;
  bool FMustDrawButtonFrame = true;
  bool FWordWrap = true;
  bool FDisableDrawDown = false;
  bool FOwnerDraw = false;
  COLORREF FFontColor;
};

class TImgBtn final : public TCustomImageButton {
 public:
  // A visible child button with the parent's font (when the parent has one). The object belongs
  // to its window. Throws when the window cannot be made.
  static TImgBtn* Create(HWND parent, int id, int x, int y, int width, int height,
                         const std::string& caption);
  static TImgBtn* FromWindow(HWND window);

 private:
  TImgBtn() = default;
};
