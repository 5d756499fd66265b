#pragma once
// The application's standard error box: a message box with the exception's text.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>

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

// RunGuarded for a handler that can fire again while its error box is open: a message box runs
// its own message loop, in which a timer goes on ticking. A run that starts while an earlier one,
// box included, has not ended does nothing, so a lasting failure shows one box at a time.
class TNonReentrantGuard {
 public:
  template <typename Handler>
  void Run(HWND owner, Handler&& handler) {
    if (FRunning) return;
    FRunning = true;
    struct TReset {
      bool& flag;
      ~TReset() { flag = false; }
    } reset{FRunning};
    RunGuarded(owner, std::forward<Handler>(handler));
  }

 private:
  bool FRunning = false;
};
