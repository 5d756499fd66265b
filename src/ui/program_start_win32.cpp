#include "ui/program_start_win32.h"

#include <commctrl.h>

#include <exception>
#include <stdexcept>

#include "inventory/wmi/com_apartment_win32.h"
#include "support/files/file_utils.h"
#include "ui/about_dlg_win32.h"
#include "ui/about_hook_win32.h"
#include "ui/error_box_win32.h"
#include "ui/main_dlg_win32.h"
#include "ui/startup_win32.h"

namespace {
TAboutDlg* AboutDlg = nullptr;  // owned by its window, which the main window owns

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateProgramMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// Without its dialog the About item (and its shortcut) does nothing; grey it so the user sees so.
void DisableAboutItem(HWND mainWindow) {
  EnableMenuItem(GetMenu(mainWindow), kIdAbout, MF_BYCOMMAND | MF_GRAYED);
  DrawMenuBar(mainWindow);
}
}  // namespace

int RunProgram(HINSTANCE instance, int show) {
  InitProgramServices();
  ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  TMainDlg* main = nullptr;
  try {
    main = CreateProgramWindows(instance);
  } catch (const std::exception& error) {
    // No window to wait on: say why and end, rather than wait for messages that never come.
    ShowErrorBox(nullptr, error.what());
    return kStartupFailedExitCode;
  }
  ShowWindow(main->Handle(), show);
  const int code = RunMessageLoop();
  DestroyProgramWindows();
  return code;
}

void InitProgramServices() { InitWideApiAvailable(); }

TMainDlg* CreateProgramWindows(HINSTANCE instance) {
  TMainDlg* main = TMainDlg::Create(instance, RunStartupSequence);
  if (!main->Handle()) {
    delete main;
    throw std::runtime_error("Cannot create the main window.");
  }
  try {
    AboutDlg = TAboutDlg::Create(main->Handle());
  } catch (const std::exception&) {
    AboutDlg = nullptr;
    DisableAboutItem(main->Handle());
  }
  return main;
}

// The About dialog runs a modal loop of its own; only the main window filters here.
bool PreTranslateProgramMessage(MSG& msg) { return MainDlg && MainDlg->PreTranslate(msg); }

bool PumpProgramMessages() {
  constexpr int kMaxMessagesPerPump = 64;  // leave time for the socket between bursts
  MSG msg;
  for (int n = 0; n < kMaxMessagesPerPump && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the application's own loop
      return false;
    }
    if (PreTranslateProgramMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void DestroyProgramWindows() {
  delete MainDlg;
  AboutDlg = nullptr;
}

void ShowAboutDialog() {
  if (AboutDlg) AboutDlg->ShowAbout();
}
