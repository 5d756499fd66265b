#pragma once
// Helpers for tests that create real windows under Wine.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

// Dispatches the thread's messages (through the program's own filter when given) until the
// condition holds or the time is up. Returns the condition's last answer.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               const std::function<bool(MSG&)>& filter = nullptr);
void PumpFor(std::chrono::milliseconds duration);

std::string WindowText(HWND window);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// One pixel of a window's client area as it is on screen, after pending paints.
COLORREF ScreenPixel(HWND window, int x, int y);

// A file of tests/data as a Windows path (Wine maps the Linux root to drive Z:).
std::string TestDataPath(const std::string& name);

// The test program's main: COM (single-threaded apartment) and the common controls, as the
// program's own main thread has them, then every test.
int RunWindowTests(int argc, char** argv);
