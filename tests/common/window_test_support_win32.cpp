#include "common/window_test_support_win32.h"

#include <iterator>
#include <vector>

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               const std::function<bool(MSG&)>& filter) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    PumpPending(filter);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpPending(const std::function<bool(MSG&)>& filter) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (filter && filter(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PumpFor(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

void PressKeys(std::initializer_list<WORD> held, WORD key) {
  std::vector<INPUT> keys;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    keys.push_back(input);
  };
  for (WORD vk : held) add(vk, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  for (auto vk = std::rbegin(held); vk != std::rend(held); ++vk) add(*vk, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

std::string WindowText(HWND window) {
  std::vector<char> text(GetWindowTextLengthA(window) + 1);
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

RECT RectInParent(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}
