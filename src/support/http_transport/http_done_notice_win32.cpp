#include <windows.h>

#include <stdexcept>

#include "support/http_transport/http_done_notice.h"

namespace {
constexpr UINT kDoneMessage = WM_APP + 1;
constexpr wchar_t kClassName[] = L"ModulixHttpDoneNotice";
}  // namespace

// The hidden window: a message-only window of the thread that made the notice.
class THttpDoneNoticeWindow {
 public:
  static HWND Create(THttpDoneNotice* notice) {
    static const ATOM registered = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = WindowProc;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = kClassName;
      return RegisterClassW(&windowClass);
    }();
    if (!registered) return nullptr;
    HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(notice));
    return window;
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kDoneMessage) return DefWindowProcW(window, message, wParam, lParam);
    auto* notice = reinterpret_cast<THttpDoneNotice*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
      // A copy: what it runs may destroy the notice.
      const std::function<void()> deliver = notice ? notice->FDeliver : nullptr;
      if (deliver) deliver();
    } catch (...) {
      // An event handler's error never crosses into the system's message dispatch.
    }
    return 0;
  }
};

THttpDoneNotice::THttpDoneNotice(std::function<void()> deliver) : FDeliver(std::move(deliver)) {
  FWindow = THttpDoneNoticeWindow::Create(this);
  if (!FWindow) throw std::runtime_error("no window for the HTTP client's notices");
}

THttpDoneNotice::~THttpDoneNotice() { DestroyWindow(static_cast<HWND>(FWindow)); }

void THttpDoneNotice::Post() { PostMessageW(static_cast<HWND>(FWindow), kDoneMessage, 0, 0); }
