// Stands in for the maker's driver-update program (and, in one test, for the editor of ".log"
// files): when started it leaves "<own path>.started" beside itself, holding its command line in
// UTF-8, and ends. It is also the trivial program whose
// start-up is the baseline of the start-up measurement; with "--window" it first shows a window
// and leaves the marker once that window is active, the least a windowed program does before its
// own work.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMs = 5000;

bool LeaveMarker() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::wstring marker = std::wstring(path, length) + L".started";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // UTF-8, so a path outside the ANSI code page is recorded as it was passed.
  const wchar_t* commandLine = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, utf8.data(), size, nullptr, nullptr);
  DWORD written = 0;
  const bool ok = WriteFile(file, utf8.data(), static_cast<DWORD>(lstrlenA(utf8.c_str())), &written, nullptr);
  CloseHandle(file);
  return ok;
}

LRESULT CALLBACK QuitWhenActive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATEAPP && wParam) {
    LeaveMarker();
    DestroyWindow(window);
  }
  if (message == WM_TIMER) DestroyWindow(window);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

void ShowWindowUntilActive(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = QuitWhenActive;
  wc.hInstance = instance;
  wc.lpszClassName = L"ModulixE2EMarker";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"Marker", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                200, 100, nullptr, nullptr, instance, nullptr);
  SetTimer(window, kGiveUpTimer, kGiveUpMs, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  if (std::wcsstr(commandLine, L"--window")) {
    ShowWindowUntilActive(instance);
    return 0;
  }
  return LeaveMarker() ? 0 : 1;
}
