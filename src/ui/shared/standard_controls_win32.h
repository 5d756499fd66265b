#pragma once
// Small factories for the standard controls of our windows.
#include <windows.h>

#include <string>

// A static text whose width fits its caption in the given font (an auto-sized label).
HWND CreateLabel(HWND parent, int x, int y, const std::string& caption, HFONT font);
// Sets a label's caption and resizes it to fit.
void SetLabelCaption(HWND label, const std::string& caption);
// Resizes a label to fit the caption it holds.
void FitLabelToCaption(HWND label);
// Sets a control's caption and leaves the drawing to the window's next paint. Buttons and
// labels otherwise draw themselves inside SetWindowText, which during the start-up is thrown
// away by the window's first full paint.
void SetCaptionForNextPaint(HWND control, const char* caption);

// For a burst of changes to a window and its children: while it lives, the controls do not draw
// themselves at each change; at its end the window is invalidated whole and drawn once, by its
// next paint. A hidden window is left as it is (switching drawing back on would show it).
class DrawingDeferred {
 public:
  explicit DrawingDeferred(HWND window);
  ~DrawingDeferred();
  DrawingDeferred(const DrawingDeferred&) = delete;
  DrawingDeferred& operator=(const DrawingDeferred&) = delete;

 private:
  HWND window_;
};

// A group box that can hold controls: it forwards their notifications to the top window and
// takes part in keyboard navigation.
HWND CreateGroup(HWND parent, int x, int y, int width, int height, const std::string& caption,
                 HFONT font);

// A report-style list view with two columns, whole-row selection, no label editing.
HWND CreateTwoColumnList(HWND parent, int id, int x, int y, int width, int height, HFONT font);

// A plain push button.
HWND CreatePushButton(HWND parent, int id, int x, int y, int width, int height,
                      const std::string& caption, HFONT font, DWORD extraStyle = 0);

// Forwards the notifications a container receives from its children to the top window.
bool ForwardToTopWindow(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

HFONT CreateWindowFont(bool bold);
