#pragma once
// The program's windows and services, created by the entry point in this order.
#include <windows.h>

class TMainDlg;

// Process-wide settings made once before any window exists.
void InitProgramServices();
// The main window (start-up bound to its first activation), then the hidden About dialog.
TMainDlg* CreateProgramWindows(HINSTANCE instance);
// Accelerators and keyboard navigation of whichever of our windows the message is for.
bool PreTranslateProgramMessage(MSG& msg);
void DestroyProgramWindows();
// Dispatches the waiting messages while a download blocks the start-up, with the same
// shortcuts and keyboard navigation as the main loop. False once the program is quitting.
bool PumpProgramMessages();
