// A window with the program's self-drawn controls and the About dialog, laid out as in the main
// window, for looking at them (screenshots under Xvfb), themed or with --classic.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "controls/image_button/img_btn_test_images_win32.h"
#include "controls/image_button/img_btn_win32.h"
#include "controls/image_button/spec_button_win32.h"
#include "ui/about_dlg/about_dlg_win32.h"

namespace {
constexpr int kClientWidth = 751;
constexpr int kClientHeight = 495;
constexpr COLORREF kBannerColor = RGB(0, 0, 0);
constexpr UINT kShowAbout = WM_APP + 1;
constexpr const char* kEmptySlotCaption = "Empty slot !\n\rClick here to get more RAM";

HFONT g_font;
HIMAGELIST g_images;
TAboutDlg* g_about;

LRESULT CALLBACK ShowcaseProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT client;
      GetClientRect(window, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      RECT banner{0, 0, client.right, 57};
      FillSolid(dc, banner, kBannerColor);
      return 1;
    }
    case kShowAbout:
      g_about->ShowAbout();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

// Visual styles off for one window: the classic look, whatever the desktop's theme.
BOOL CALLBACK TurnThemeOff(HWND window, LPARAM) {
  SetWindowTheme(window, L" ", L" ");
  return TRUE;
}

HWND MakeGroup(HWND parent, const char* caption, int x, int y, int w, int h) {
  HWND group = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y, w,
                               h, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  return group;
}

void MakeModuleList(HWND slot) {
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER, 7, 16, 266,
                              137, slot, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  const char* columns[] = {"Parameter", "Value"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<char*>(columns[c]);
    SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
}

HWND MakeShowcase() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ShowcaseProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "ModulixShowcase";
  RegisterClassA(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  HWND window = CreateWindowExA(0, wc.lpszClassName, "Modulix controls", style, 10, 10,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                wc.hInstance, nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  TImgBtn* drivers = TImgBtn::Create(window, 100, 608, 8, 137, 41, "Drivers Update");
  drivers->SetFont(g_font);
  drivers->SetImages(g_images);
  drivers->SetImageIndex(kDriversImage);

  HWND general = MakeGroup(window, "General", 2, 61, 743, 430);
  const POINT slots[] = {{8, 96}, {376, 96}, {8, 262}, {376, 262}};
  for (int i = 0; i < 4; ++i) {
    std::string caption = "Slot " + std::to_string(i + 1);
    HWND slot = MakeGroup(general, caption.c_str(), slots[i].x, slots[i].y, 361, 161);
    if (i == 1 || i == 2) {
      MakeModuleList(slot);
      HWND spec = CreateSpecButton(slot, 300 + i, 280, 16, 73, 89, "Get Specification");
      if (i == 2) EnableWindow(spec, FALSE);
      continue;
    }
    TImgBtn* empty = TImgBtn::Create(slot, 200 + i, 8, 16, 345, 137, kEmptySlotCaption);
    empty->SetFlat(true);
    empty->SetWordWrap(false);
    empty->SetImages(g_images);
    empty->SetImageIndex(kEmptySlotImage);
    if (i == 3) EnableWindow(empty->Handle(), FALSE);
  }
  return window;
}
}  // namespace

int main(int argc, char** argv) {
  bool classic = false, about = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--classic") == 0) classic = true;
    if (std::strcmp(argv[i], "--about") == 0) about = true;
  }
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  g_font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       "MS Sans Serif");
  g_images = CreateButtonImageList();
  HWND window = MakeShowcase();
  g_about = TAboutDlg::Create(window);
  if (classic) {
    EnumChildWindows(window, TurnThemeOff, 0);
    EnumChildWindows(g_about->Handle(), TurnThemeOff, 0);
  }
  ShowWindow(window, SW_SHOW);
  if (about) PostMessageA(window, kShowAbout, 0, 0);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ImageList_Destroy(g_images);
  DeleteObject(g_font);
  return 0;
}
