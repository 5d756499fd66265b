#include "ui/main_window/main_custom_controls_win32.h"

#include "controls/image_button/img_btn_win32.h"
#include "controls/scope/sim_scope_win32.h"
#include "controls/image_button/spec_button_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "window_model/memory_panel.h"
#include "ui/shared/resource_ids.h"

namespace {
constexpr int kEmptySlotImage = 0;
constexpr int kDriversImage = 1;

TImgBtn* CreateImageButton(HWND parent, int id, int x, int y, int width, int height,
                           const std::string& caption, HIMAGELIST images, int image, HFONT font) {
  TImgBtn* button = TImgBtn::Create(parent, id, x, y, width, height, caption);
  button->SetFont(font);
  button->SetImages(images);
  button->SetImageIndex(image);
  return button;
}
}  // namespace

// The icons' own colour and mask bitmaps go in as they are: adding the icons draws each one
// through a few device contexts, about twice the time at start under Wine, same pictures.
HIMAGELIST CreateMainImageList() {
  HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 2, 0);
  for (int id : {kIdiEmptySlot, kIdiDrivers}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
    ICONINFO parts{};
    if (icon && GetIconInfo(icon, &parts)) {
      ImageList_Add(list, parts.hbmColor, parts.hbmMask);
      DeleteObject(parts.hbmColor);
      DeleteObject(parts.hbmMask);
    }
    DestroyIcon(icon);
  }
  return list;
}

HWND CreateMemoryScope(HWND parent, int x, int y, int width, int height) {
  HWND window = CreateSimScopeWindow(parent, kIdScope, x, y, width, height);
  if (TSimScope* scope = SimScopeFromWindow(window)) ConfigureMemoryScope(*scope);
  return window;
}

HWND CreateDriversButton(HWND parent, int x, int y, int width, int height, HIMAGELIST images,
                         HFONT font) {
  return CreateImageButton(parent, kIdDriversBtn, x, y, width, height, "Drivers Update", images,
                           kDriversImage, font)
      ->Handle();
}

HWND CreateEmptySlotButton(HWND parent, int id, int x, int y, int width, int height,
                           HIMAGELIST images, HFONT font) {
  TImgBtn* button =
      CreateImageButton(parent, id, x, y, width, height, "", images, kEmptySlotImage, font);
  button->SetFlat(true);
  button->SetWordWrap(false);
  return button->Handle();
}

HWND CreateModuleSearchButton(HWND parent, int id, int x, int y, int width, int height,
                               HFONT font) {
  HWND button = CreateSpecButton(parent, id, x, y, width, height, "Get Specification");
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}
