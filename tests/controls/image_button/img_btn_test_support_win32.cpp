#include "controls/image_button/img_btn_test_support_win32.h"

#include <uxtheme.h>

#include <algorithm>

#include "common/window_test_support_win32.h"

namespace {
constexpr const char* kHostClass = "ModulixButtonTestHost";

BOOL CALLBACK DestroyChild(HWND child, LPARAM) {
  DestroyWindow(child);
  return TRUE;
}
}  // namespace

LRESULT CALLBACK TTestHost::HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) Get().FClicks.push_back(LOWORD(wParam));
  if (msg == WM_DRAWITEM) ++Get().FDrawItemsSeen;
  return DefWindowProcA(window, msg, wParam, lParam);
}

TTestHost& TTestHost::Get() {
  static TTestHost* host = new TTestHost;  // lives until the process ends
  return *host;
}

void TTestHost::Reset() {
  EnumChildWindows(FHandle, DestroyChild, 0);
  SetForegroundWindow(FHandle);
  SetFocus(FHandle);
  SetCursorPos(1200, 1000);
  Pump();
  FClicks.clear();
  FDrawItemsSeen = 0;
}

TTestHost::TTestHost() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kHostClass;
  RegisterClassA(&wc);
  FHandle = CreateWindowExA(0, kHostClass, "host", WS_POPUP | WS_VISIBLE, 50, 50, 800, 400,
                            nullptr, nullptr, wc.hInstance, nullptr);
  FFont = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), FALSE);
}

TCapture::TCapture(HWND window) {
  UpdateWindow(window);
  RECT client;
  GetClientRect(window, &client);
  FWidth = client.right;
  FHeight = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = FWidth;
  info.bmiHeader.biHeight = -FHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, dib);
  HDC screen = GetDC(window);
  BitBlt(memory, 0, 0, FWidth, FHeight, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  FPixels.assign(pixels, pixels + FWidth * FHeight);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(dib);
}

COLORREF TCapture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return CLR_INVALID;
  const uint32_t p = FPixels[y * FWidth + x];  // 0x00RRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT TCapture::Extent(const RECT& area, COLORREF background) const {
  return Extent(area, [&](int x, int y) { return At(x, y) != background; });
}

RECT TCapture::Extent(const RECT& area, const std::function<bool(int, int)>& test) const {
  RECT extent{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (test(x, y)) {
        extent.left = std::min<LONG>(extent.left, x);
        extent.top = std::min<LONG>(extent.top, y);
        extent.right = std::max<LONG>(extent.right, x + 1);
        extent.bottom = std::max<LONG>(extent.bottom, y + 1);
      }
  return extent;
}

int TCapture::Count(const RECT& area, const std::function<bool(int, int)>& test) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (test(x, y)) ++count;
  return count;
}

namespace {
std::function<bool(MSG&)> DialogFilter(HWND dialog) {
  return [dialog](MSG& msg) { return dialog && IsDialogMessageA(dialog, &msg); };
}
}  // namespace

void Pump(HWND dialog) { PumpPending(DialogFilter(dialog)); }

bool PumpUntil(const std::function<bool()>& condition, HWND dialog) {
  return PumpUntil(condition, std::chrono::seconds(2), DialogFilter(dialog));
}

void MoveMouseTo(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
}

void MouseButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(input));
}

void PressKey(WORD key) { PressKeys({}, key); }

// A class list that names no theme class: OpenThemeData finds nothing for the window.
void MakeClassic(HWND window) { SetWindowTheme(window, L" ", L" "); }
