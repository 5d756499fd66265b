// Program entry: COM for the main thread, common controls, the two windows, the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "inventory/wmi/com_apartment_win32.h"
#include "ui/main_dlg_win32.h"
#include "ui/program_start_win32.h"

namespace {

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateProgramMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  InitProgramServices();
  ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  TMainDlg* main = CreateProgramWindows(instance);
  ShowWindow(main->Handle(), show);
  const int code = RunMessageLoop();
  DestroyProgramWindows();
  return code;
}
