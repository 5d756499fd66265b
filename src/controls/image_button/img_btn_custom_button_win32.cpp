#include "controls/image_button/img_btn_custom_button_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
constexpr UINT_PTR kButtonSubclassId = 0x4D584231;  // any value unique to this module
constexpr UINT_PTR kParentSubclassId = 0x4D584232;
constexpr const char* kErrorBoxTitle = "Modulix";
constexpr LPARAM kKeyRepeatBit = 1 << 30;
// Window property naming the button object (the import library has no GetWindowSubclass).
constexpr const char* kButtonProperty = "ModulixOwnerDrawButton";
}  // namespace

void ShowControlError(HWND window, const char* message) {
  MessageBoxA(window ? GetAncestor(window, GA_ROOT) : nullptr, message, kErrorBoxTitle,
              MB_OK | MB_ICONERROR);
}

TCustomButton::~TCustomButton() = default;

int TCustomButton::Id() const { return GetDlgCtrlID(FHandle); }

std::string TCustomButton::Caption() const {
  std::vector<char> text(GetWindowTextLengthA(FHandle) + 1);
  int length = GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length);
}

void TCustomButton::SetCaption(const std::string& caption) {
  SetWindowTextA(FHandle, caption.c_str());
  InvalidateRect(FHandle, nullptr, FALSE);
}

TCustomButton* TCustomButton::FromWindow(HWND window) {
  return window ? static_cast<TCustomButton*>(GetPropA(window, kButtonProperty)) : nullptr;
}

HWND TCustomButton::CreateOwned(TCustomButton* button, HWND parent, int id, int x, int y,
                                int width, int height, const std::string& caption) {
  std::unique_ptr<TCustomButton> owned(button);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_MULTILINE;
  HWND window = CreateWindowExA(0, "BUTTON", caption.c_str(), style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!window) throw std::runtime_error("Cannot create the button \"" + caption + "\".");
  if (!SetPropA(window, kButtonProperty, button) ||
      !SetWindowSubclass(window, ButtonProc, kButtonSubclassId,
                         reinterpret_cast<DWORD_PTR>(button))) {
    RemovePropA(window, kButtonProperty);
    DestroyWindow(window);
    throw std::runtime_error("Cannot attach the button \"" + caption + "\".");
  }
  button->FHandle = window;
  owned.release();  // from here on the window frees it, on WM_NCDESTROY
  if (!SetWindowSubclass(parent, ParentProc, kParentSubclassId, 0)) {
    DestroyWindow(window);
    throw std::runtime_error("Cannot attach the button \"" + caption + "\" to its parent.");
  }
  return window;
}

bool TCustomButton::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != FHandle) return false;
  if (FDestroying) return true;
  const int saved = SaveDC(item.hDC);
  try {
    DrawItem(item);
  } catch (const std::exception& e) {
    RestoreDC(item.hDC, saved);
    ShowControlError(FHandle, e.what());
    return true;
  }
  RestoreDC(item.hDC, saved);
  return true;
}

void TCustomButton::NotifyClicked() {
  SendMessageA(GetParent(FHandle), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
               reinterpret_cast<LPARAM>(FHandle));
}

LRESULT CALLBACK TCustomButton::ButtonProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
  auto* button = reinterpret_cast<TCustomButton*>(data);
  if (msg == WM_NCDESTROY) {
    LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
    RemoveWindowSubclass(window, ButtonProc, kButtonSubclassId);
    RemovePropA(window, kButtonProperty);
    delete button;
    return result;
  }
  try {
    return button->HandleMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    ShowControlError(window, e.what());
    return 0;
  }
}

LRESULT CALLBACK TCustomButton::ParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR) {
  LRESULT result = 0;
  if (msg == WM_DRAWITEM && ForwardOwnerDraw(msg, wParam, lParam, result)) return result;
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(window, ParentProc, kParentSubclassId);
  return DefSubclassProc(window, msg, wParam, lParam);
}

bool ForwardOwnerDraw(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_DRAWITEM) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!item || item->CtlType != ODT_BUTTON) return false;
  TCustomButton* button = TCustomButton::FromWindow(item->hwndItem);
  if (!button || !button->HandleDrawItem(*item)) return false;
  result = TRUE;
  return true;
}

LRESULT TCustomButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      MouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case WM_MOUSELEAVE:
      MouseLeave();
      break;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a quick second click as BN_DOUBLECLICKED instead of
      // pressing again; treat it as the press it is.
      return DefSubclassProc(FHandle, WM_LBUTTONDOWN, wParam, lParam);
    case WM_GETDLGCODE:
      return HandleDialogCode(wParam, lParam);
    case WM_KEYDOWN:
      return HandleKeyDown(wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the drawing covers every pixel
    case WM_ENABLE:
      EnableChanged(wParam != FALSE);
      break;
    case WM_SETFONT: {
      LRESULT result = DefSubclassProc(FHandle, msg, wParam, lParam);
      FontChanged();
      InvalidateRect(FHandle, nullptr, FALSE);
      return result;
    }
    case WM_DESTROY:
      FDestroying = true;
      break;
  }
  return DefSubclassProc(FHandle, msg, wParam, lParam);
}

// An owner-drawn button gets no Enter from the dialog manager; ask for it, so that Enter clicks
// the focused button in a dialog as well as in a plain window.
LRESULT TCustomButton::HandleDialogCode(WPARAM wParam, LPARAM lParam) {
  LRESULT code = DefSubclassProc(FHandle, WM_GETDLGCODE, wParam, lParam);
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
    code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT TCustomButton::HandleKeyDown(WPARAM wParam, LPARAM lParam) {
  if (wParam != VK_RETURN) return DefSubclassProc(FHandle, WM_KEYDOWN, wParam, lParam);
  if (!(lParam & kKeyRepeatBit)) NotifyClicked();  // one click per press, not per repeat
  return 0;
}

void TCustomButton::MouseMove(POINT point) {
  RECT client;
  GetClientRect(FHandle, &client);
  if (PtInRect(&client, point)) MouseEnter();
  else MouseLeave();  // only while the pressed button holds the mouse
}

// No hot-tracking while any window holds the mouse: a pressed button dragged over another one
// must not light it up.
void TCustomButton::MouseEnter() {
  if (FMouseInControl || !IsWindowEnabled(FHandle) || GetCapture()) return;
  FMouseInControl = true;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
  TrackMouseEvent(&track);
  MouseEntered();
}

void TCustomButton::MouseLeave() {
  if (!FMouseInControl || !IsWindowEnabled(FHandle)) return;
  FMouseInControl = false;
  MouseLeft();
}

// A button disabled under the mouse keeps its flag (leaving is ignored while disabled); when it
// comes back, drop the flag if the mouse went away meanwhile.
void TCustomButton::EnableChanged(bool enabled) {
  if (!enabled || !FMouseInControl) return;
  POINT cursor;
  if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == FHandle) return;
  FMouseInControl = false;
  MouseLeft();
}
