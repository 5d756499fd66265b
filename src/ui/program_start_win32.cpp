#include "ui/program_start_win32.h"

#include "ui/about_hook_win32.h"
#include "ui/main_dlg_win32.h"
#include "ui/startup_win32.h"

void InitProgramServices() {}

TMainDlg* CreateProgramWindows(HINSTANCE instance) {
  return TMainDlg::Create(instance, RunStartupSequence);
}

bool PreTranslateProgramMessage(MSG& msg) { return MainDlg && MainDlg->PreTranslate(msg); }

void DestroyProgramWindows() { delete MainDlg; }

void ShowAboutDialog() {}
