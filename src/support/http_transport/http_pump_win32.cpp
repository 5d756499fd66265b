#include <windows.h>

#include "support/http_transport/http_pump.h"

namespace {
// A handler that keeps posting to itself must not keep the socket from being looked at.
constexpr int kMaxMessagesPerPump = 64;
}  // namespace

bool PumpThreadMessages() {
  MSG message;
  for (int count = 0; count < kMaxMessagesPerPump && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
    if (message.message == WM_QUIT) {
      // Leave the quit request for the application's own loop, and end the exchange.
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}
