// Synthesised user input: activation and mouse clicks.
#include "e2e_driver_win32.h"

#include "common/window_test_support_win32.h"

namespace {

constexpr std::chrono::milliseconds kSettleMs{300};  // the program handles what was sent
constexpr std::chrono::milliseconds kInputGapMs{30};
constexpr int kNearOrigin = 4;  // pixels into the client area, over the banner
constexpr const char* kAwayClass = "ModulixE2EAway";
// The stand-in window sits in the lower right corner, away from the main window.
constexpr int kAwayLeft = 1000, kAwayTop = 850, kAwayWidth = 220, kAwayHeight = 120;

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

void Send(INPUT input) {
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(kInputGapMs);
}

// Absolute mouse coordinates are on a 0..65535 scale over the primary screen.
LONG Normalised(int pixel, int extent) { return static_cast<LONG>((pixel * 65535LL + extent / 2) / (extent - 1)); }

HWND CreateAwayWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpszClassName = kAwayClass;
  RegisterClassA(&wc);
  return CreateWindowExA(0, kAwayClass, "Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kAwayLeft,
                         kAwayTop, kAwayWidth, kAwayHeight, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace

bool BringToFront(HWND window) {
  if (GetForegroundWindow() != window) {
    SetForegroundWindow(window);
    PumpFor(kSettleMs);
  }
  return GetForegroundWindow() == window;
}

void ClickCentre(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  const int x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  SetCursorPos(x, y);
  Send(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(x, width), Normalised(y, height)));
  Send(MouseInput(MOUSEEVENTF_LEFTDOWN));
  Send(MouseInput(MOUSEEVENTF_LEFTUP));
  PumpFor(kSettleMs);
}

POINT NearClientOrigin(HWND window) {
  POINT point{kNearOrigin, kNearOrigin};
  ClientToScreen(window, &point);
  return point;
}

AwayAndBack ActivateElsewhereAndBack(HWND main) {
  AwayAndBack result;
  HWND away = CreateAwayWindow();
  result.awayActive = away && BringToFront(away);
  result.backActive = BringToFront(main);
  if (away) DestroyWindow(away);
  PumpFor(kSettleMs);
  return result;
}
