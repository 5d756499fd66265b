#include "ui/program_start_win32.h"

#include "support/files/file_utils.h"
#include "ui/about_dlg_win32.h"
#include "ui/about_hook_win32.h"
#include "ui/main_dlg_win32.h"
#include "ui/startup_win32.h"

namespace {
TAboutDlg* AboutDlg = nullptr;  // owned by its window, which the main window owns
}

void InitProgramServices() { InitWideApiAvailable(); }

TMainDlg* CreateProgramWindows(HINSTANCE instance) {
  TMainDlg* main = TMainDlg::Create(instance, RunStartupSequence);
  AboutDlg = TAboutDlg::Create(main->Handle());
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
