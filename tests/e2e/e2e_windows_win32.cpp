// Finding the program's windows from the driver process.
#include "e2e_driver_win32.h"

namespace {

constexpr const char* kMainClass = "TMainDlg";
constexpr DWORD kPollMs = 50;

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControlId(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindMainWindow() { return FindWindowA(kMainClass, nullptr); }

HWND WaitForMainWindow(DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  HWND main = FindMainWindow();
  while (!main && GetTickCount64() < end) {
    Sleep(kPollMs);
    main = FindMainWindow();
  }
  return main;
}

HWND FindControl(HWND parent, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(parent, MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  // WM_GETTEXT is marshalled across processes; GetWindowText would not ask another process's
  // controls for their text.
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}
