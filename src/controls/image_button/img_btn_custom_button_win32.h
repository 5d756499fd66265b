#pragma once
// A platform push button (the BUTTON class, owner-drawn) that draws itself, knows when the mouse
// is over it, and clicks on Enter as well as on Space and the mouse. The object belongs to its
// window and is freed when the window is destroyed.
//
// Drawing requests (WM_DRAWITEM) go to the button's parent; the first button created on a parent
// subclasses that parent to hand them back, so the parent window needs no code for it. A window
// that receives WM_DRAWITEM forwarded from elsewhere passes it to ForwardOwnerDraw.
#include <windows.h>

#include <string>

class TCustomButton {
 public:
  virtual ~TCustomButton();
  TCustomButton(const TCustomButton&) = delete;
  TCustomButton& operator=(const TCustomButton&) = delete;

  HWND Handle() const { return FHandle; }
  int Id() const;
  bool MouseInControl() const { return FMouseInControl; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // The button object of a window made by this module, or null.
  static TCustomButton* FromWindow(HWND window);

  // Draws a button of this module for a WM_DRAWITEM its parent received; true when handled.
  bool HandleDrawItem(const DRAWITEMSTRUCT& item);

 protected:
  TCustomButton() = default;

  // Makes the BUTTON window (owner-drawn, multi-line, tab stop) and hands it this object, which
  // from then on belongs to the window. Throws when the window cannot be made.
  static HWND CreateOwned(TCustomButton* button, HWND parent, int id, int x, int y, int width,
                          int height, const std::string& caption);

  virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;
  // Called after the mouse-in-control flag changed.
  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  // Called after the control font changed (the button itself has been invalidated).
  virtual void FontChanged() {}
  // Sends the parent the BN_CLICKED a mouse click would.
  void NotifyClicked();

 private:
  static LRESULT CALLBACK ButtonProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleKeyDown(WPARAM wParam, LPARAM lParam);
  LRESULT HandleDialogCode(WPARAM wParam, LPARAM lParam);
  void MouseMove(POINT point);
  void MouseEnter();
  void MouseLeave();
  void EnableChanged(bool enabled);

  HWND FHandle = nullptr;
  bool FMouseInControl = false;
  bool FDestroying = false;
};

// For a window that gets WM_DRAWITEM forwarded by a child it does not own (a message handler
// can call this first): draws the buttons of this module, sets result and answers true.
bool ForwardOwnerDraw(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Reports an exception that left a handler of a control in the application's error box.
void ShowControlError(HWND window, const char* message);
