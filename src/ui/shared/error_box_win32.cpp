#include "ui/shared/error_box_win32.h"

#include <utility>

#include "window_model/app_title.h"

namespace {
ErrorBoxHook& Hook() {
  static ErrorBoxHook hook;
  return hook;
}
}  // namespace

void SetErrorBoxHook(ErrorBoxHook hook) { Hook() = std::move(hook); }

void ShowErrorBox(HWND owner, const std::string& text) {
  if (Hook()) {
    Hook()(text);
    return;
  }
  MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}
