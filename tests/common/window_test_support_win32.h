#pragma once
// Helpers for tests that create real windows under Wine.
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>

#include "common/test_data.h"

// Dispatches the thread's messages (through the program's own filter when given; a filter that
// returns true has handled the message) until the condition holds or the time is up. Returns the
// condition's last answer.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               const std::function<bool(MSG&)>& filter = nullptr);
void PumpFor(std::chrono::milliseconds duration);
// Dispatches the messages already waiting, through the filter when given.
void PumpPending(const std::function<bool(MSG&)>& filter = nullptr);

// Types `key` with the `held` keys down around it, as real keyboard input (SendInput).
void PressKeys(std::initializer_list<WORD> held, WORD key);

std::string WindowText(HWND window);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// One pixel of a window's client area as it is on screen, after pending paints.
COLORREF ScreenPixel(HWND window, int x, int y);
