#include "ui/program_start_win32.h"

#include "support/file_utils.h"
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

void DestroyProgramWindows() {
  delete MainDlg;
  AboutDlg = nullptr;
}

void ShowAboutDialog() {
  if (AboutDlg) AboutDlg->ShowAbout();
}
