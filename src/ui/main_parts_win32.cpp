#include "ui/main_parts_win32.h"

#include "ui/resource_ids.h"
#include "ui/win_controls_win32.h"

HIMAGELIST CreateMainImageList() {
  HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 2, 0);
  for (int id : {kIdiEmptySlot, kIdiDrivers}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
    ImageList_AddIcon(list, icon);
    DestroyIcon(icon);
  }
  return list;
}

HWND CreateMemoryScope(HWND parent, int x, int y, int width, int height) {
  return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, x, y, width,
                         height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(140)),
                         nullptr, nullptr);
}

HWND CreateDriversButton(HWND parent, int x, int y, int width, int height, HIMAGELIST,
                         HFONT font) {
  return CreatePushButton(parent, 100, x, y, width, height, "Drivers Update", font);
}

HWND CreateEmptySlotButton(HWND parent, int id, int x, int y, int width, int height, HIMAGELIST,
                           HFONT font) {
  return CreatePushButton(parent, id, x, y, width, height, "", font, BS_MULTILINE);
}

HWND CreateSpecificationButton(HWND parent, int id, int x, int y, int width, int height,
                               HFONT font) {
  return CreatePushButton(parent, id, x, y, width, height, "Get Specification", font,
                          BS_MULTILINE);
}
