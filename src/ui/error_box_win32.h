#pragma once
// The application's standard error box: a message box with the exception's text.
#include <windows.h>

#include <functional>
#include <string>

void ShowErrorBox(HWND owner, const std::string& text);

// Tests record the boxes instead of showing them.
using ErrorBoxHook = std::function<void(const std::string& text)>;
void SetErrorBoxHook(ErrorBoxHook hook);

// Runs a handler; an exception that leaves it is shown in the error box and goes no further.
template <typename Handler>
void RunGuarded(HWND owner, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowErrorBox(owner, e.what());
  } catch (...) {
    ShowErrorBox(owner, "Unknown error");
  }
}
