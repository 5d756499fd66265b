#pragma once
// The program's windows and services, created by the entry point in this order.
#include <windows.h>

#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/startup_win32.h"

class TAboutDlg;

// What the program returns when it could not start (no main window).
inline constexpr int kStartupFailedExitCode = 1;

// The whole run: services, COM, the windows, the message loop. A main window that cannot be made
// is reported in the error box and ends the run with kStartupFailedExitCode.
int RunProgram(HINSTANCE instance, int show);

// Process-wide settings made once before any window exists.
void InitProgramServices();
// The main window, with the start-up bound to its first activation. The hidden About dialog
// follows on first use or when the start-up has ended, whichever comes first. Throws when the
// main window cannot be made.
TMainDlg* CreateProgramWindows(HINSTANCE instance,
                               TMainDlg::StartupAction startup = RunStartupSequence);
// The hidden About dialog, made now if it was not yet; an About dialog that cannot be made
// leaves its menu item disabled and the program running (null then, and from then on).
TAboutDlg* EnsureAboutDialog();
// Accelerators and keyboard navigation of whichever of our windows the message is for.
bool PreTranslateProgramMessage(MSG& msg);
void DestroyProgramWindows();
// Dispatches the waiting messages while a download blocks the start-up, with the same
// shortcuts and keyboard navigation as the main loop. False once the program is quitting.
bool PumpProgramMessages();
