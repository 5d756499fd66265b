#pragma once
// The end-to-end driver: finds the running program's main window from another process and acts
// on it the way a user would (real mouse clicks), or reads its controls back.
#include <windows.h>

#include <string>
#include <vector>

// The program's main window (class "TMainDlg"), or null when it does not exist.
HWND FindMainWindow();
// Waits up to `timeoutMs` for the main window to appear.
HWND WaitForMainWindow(DWORD timeoutMs);
// The first descendant of `parent` whose control id is `id`, or null.
HWND FindControl(HWND parent, int id);

std::string TextOf(HWND window);

// Brings `window` to the foreground; true when it became the foreground window.
bool BringToFront(HWND window);
// Left click at the centre of `control` with synthesised mouse input.
void ClickCentre(HWND control);
// A point just inside the window's client area, in screen coordinates.
POINT NearClientOrigin(HWND window);
// Activates a window of this process, then `main` again. Reports both steps.
struct AwayAndBack {
  bool awayActive = false;
  bool backActive = false;
};
AwayAndBack ActivateElsewhereAndBack(HWND main);

// The rows of a report-style list view of another process, each as its column texts.
std::vector<std::vector<std::string>> ReadListRows(HWND list, int columns);
