#pragma once
// What the HTTP client does between two short waits for the end of an exchange, so the calling
// thread stays alive while a GET blocks it. Returns false when the application has asked to quit.
#include <functional>

using THttpPump = std::function<bool()>;

// Windows: dispatches the thread's pending messages (windows repaint, timers tick, buttons
// respond). A WM_QUIT it meets is posted again for the outer message loop and ends the wait.
// Elsewhere: nothing to do.
bool PumpThreadMessages();
