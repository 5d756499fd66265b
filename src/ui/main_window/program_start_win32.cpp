#include "ui/main_window/program_start_win32.h"

#include <commctrl.h>

#include <exception>
#include <stdexcept>
#include <utility>

#include "inventory/wmi/com_apartment_win32.h"
#include "support/files/file_utils.h"
#include "ui/about_dlg/about_dlg_win32.h"
#include "ui/main_window/about_hook_win32.h"
#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/startup_win32.h"

namespace {
// Made on first use or once the start-up has ended, whichever comes first: the start does not
// wait for a dialog nobody has asked for yet.
enum class AboutState { NotYetMade, Made, Failed };
AboutState AboutDlgState = AboutState::NotYetMade;
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

// The start-up, then the About dialog, even when a start-up step failed (the error box has
// already been shown by then); not once the window is gone.
void RunStartupThenMakeAbout(TMainDlg& dlg, const TMainDlg::StartupAction& startup) {
  try {
    startup(dlg);
  } catch (...) {
    if (!dlg.Destroyed()) EnsureAboutDialog();
    throw;
  }
  if (!dlg.Destroyed()) EnsureAboutDialog();
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

TMainDlg* CreateProgramWindows(HINSTANCE instance, TMainDlg::StartupAction startup) {
  AboutDlgState = AboutState::NotYetMade;
  AboutDlg = nullptr;
  TMainDlg* main = TMainDlg::Create(instance, [startup = std::move(startup)](TMainDlg& dlg) {
    RunStartupThenMakeAbout(dlg, startup);
  });
  if (!main->Handle()) {
    delete main;
    throw std::runtime_error("Cannot create the main window.");
  }
  return main;
}

TAboutDlg* EnsureAboutDialog() {
  if (AboutDlgState != AboutState::NotYetMade || !MainDlg || !MainDlg->Handle()) return AboutDlg;
  try {
    AboutDlg = TAboutDlg::Create(MainDlg->Handle());
    AboutDlgState = AboutState::Made;
  } catch (const std::exception&) {
    AboutDlg = nullptr;
    AboutDlgState = AboutState::Failed;
    DisableAboutItem(MainDlg->Handle());
  }
  return AboutDlg;
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
  AboutDlgState = AboutState::NotYetMade;
}

void ShowAboutDialog() {
  if (TAboutDlg* about = EnsureAboutDialog()) about->ShowAbout();
}
