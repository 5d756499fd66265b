// A window with just the "Physical Memory." group, ticking once a second, for looking at the
// panel on a screen: memory_panel_demo [seconds] [--wave]. With --wave the load follows a
// triangle wave instead of the machine's (the sizes stay real), to show the trace moving.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <exception>

#include "controls/scope/sim_scope_win32.h"
#include "window_model/format_byte_size.h"
#include "ui/main_window/memory_panel_win32.h"

namespace {
constexpr UINT_PTR kTickTimer = 1, kQuitTimer = 2;
constexpr UINT kTickMs = 1000;

HWND usedLabel, totalLabel, scopeWindow;

HWND Child(const char* className, const char* text, DWORD style, int x, int y, int w, int h,
           HWND parent) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return child;
}

void BuildPanel(HWND window) {
  HWND group = Child("BUTTON", "Physical Memory.", BS_GROUPBOX, 8, 8, 209, 81, window);
  usedLabel = Child("STATIC", "Used :", 0, 16, 27, 105, 13, window);
  totalLabel = Child("STATIC", "Available :", 0, 16, 43, 105, 13, window);
  scopeWindow = CreateSimScopeWindow(window, 100, 8 + 115, 8 + 10, 89, 65);
  SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ConfigureMemoryScope(*SimScopeFromWindow(scopeWindow));
}

void UseWave() {
  SetMemoryStatusQuery([step = 0](MEMORYSTATUSEX& status) mutable {
    if (!GlobalMemoryStatusEx(&status)) return FALSE;
    const int phase = step++ % 20;
    status.dwMemoryLoad = 10 + 9 * (phase < 10 ? phase : 20 - phase);
    return TRUE;
  });
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTickTimer) {
    try {
      UpdateMemoryPanel(usedLabel, totalLabel, *SimScopeFromWindow(scopeWindow));
    } catch (const std::exception& e) {
      MessageBoxA(window, e.what(), "Modulix", MB_OK | MB_ICONERROR);
    }
    return 0;
  }
  if ((message == WM_TIMER && wParam == kQuitTimer) || message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (argc > 2 && std::strcmp(argv[2], "--wave") == 0) UseWave();
  SetStartupSizeUnitNames();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "MemoryPanelDemo";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "MemoryPanelDemo", "Memory panel", WS_OVERLAPPED | WS_CAPTION |
                                WS_SYSMENU | WS_VISIBLE, 20, 20, 240, 130, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  BuildPanel(window);
  SetTimer(window, kTickTimer, kTickMs, nullptr);
  if (seconds > 0) SetTimer(window, kQuitTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
