#include "ui/main_window/banner_panel_win32.h"

#include "ui/shared/standard_controls_win32.h"

namespace {

constexpr const char* kBannerClass = "ModulixBannerPanel";
constexpr const char* kTextColorProp = "ModulixTextColor";

HBRUSH PanelBrush() { return GetSysColorBrush(COLOR_WINDOWFRAME); }

LRESULT OnControlColor(HDC dc, HWND label) {
  HANDLE stored = GetPropA(label, kTextColorProp);
  SetTextColor(dc, stored ? static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(stored) - 1)
                          : GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(PanelBrush());
}

void PaintPanel(HWND panel, HDC dc) {
  RECT rc;
  GetClientRect(panel, &rc);
  FillRect(dc, &rc, PanelBrush());
  DrawEdge(dc, &rc, BDR_SUNKENINNER, BF_RECT);
}

void Paint(HWND panel) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(panel, &ps);
  PaintPanel(panel, dc);
  EndPaint(panel, &ps);
}

LRESULT CALLBACK BannerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_PRINTCLIENT:  // a themed child (the drivers button) draws its corners over the banner
      PaintPanel(hwnd, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default: {
      LRESULT result = 0;
      if (ForwardToTopWindow(hwnd, msg, wParam, lParam, result)) return result;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
  }
}

void RegisterBannerClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = BannerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kBannerClass;
  RegisterClassA(&wc);
  registered = true;
}

}  // namespace

HWND CreateBannerPanel(HWND parent, int x, int y, int width, int height) {
  RegisterBannerClass();
  return CreateWindowExA(WS_EX_CONTROLPARENT, kBannerClass, "",
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y, width,
                         height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void SetBannerTextColor(HWND label, COLORREF color) {
  // Stored off by one so that black is not mistaken for "no colour".
  SetPropA(label, kTextColorProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color) + 1));
}

void RepaintBannerBackground(HWND panel) {
  RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
