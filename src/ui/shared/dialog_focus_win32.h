#pragma once
// Focus in our dialog-like windows: the control that had it when the window was left gets it
// back when the window is activated again, as in the system's dialog boxes.
#include <windows.h>

class TDialogFocus {
 public:
  // For WM_ACTIVATE of `window`: remembers the focused control on leaving; on return gives the
  // focus back to it, or to `first` when none was remembered.
  void OnActivate(HWND window, bool active, HWND first) {
    if (active) {
      SetFocus(FLast ? FLast : first);
      return;
    }
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) FLast = focus;
  }
  void Forget() { FLast = nullptr; }

 private:
  HWND FLast = nullptr;
};
