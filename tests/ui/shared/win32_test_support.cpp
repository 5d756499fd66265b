#include "win32_test_support.h"

#include <commctrl.h>
#include <objbase.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               const std::function<bool(MSG&)>& filter) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (filter && filter(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
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

std::string TestDataPath(const std::string& name) {
  const char* root = std::getenv("MODULIX_TEST_DATA");
  std::string path = std::string("Z:") + (root ? root : "") + "/" + name;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

int RunWindowTests(int argc, char** argv) {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
