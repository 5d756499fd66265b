#include "ui/shared/standard_controls_win32.h"

#include <commctrl.h>

namespace {

constexpr int kLabelHeight = 13;
constexpr UINT_PTR kGroupSubclassId = 1;

// The size of a label that shows text in font (the default GUI font when null).
SIZE MeasureLabel(HFONT font, const std::string& text) {
  SIZE size{0, kLabelHeight};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  if (size.cy <= 0) size.cy = kLabelHeight;
  return size;
}

LRESULT CALLBACK GroupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
  if (msg == WM_NCHITTEST) return HTCLIENT;  // group boxes are transparent to the mouse
  if (msg == WM_ERASEBKGND) {  // opaque, like the rest of the form
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  LRESULT result = 0;
  if (ForwardToTopWindow(hwnd, msg, wParam, lParam, result)) return result;
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

bool ForwardToTopWindow(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      result = SendMessageA(GetAncestor(container, GA_ROOT), msg, wParam, lParam);
      return true;
    default:
      return false;
  }
}

HFONT CreateWindowFont(bool bold) {
  return CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

// Made at its fitted size: creating it small and fitting it afterwards costs a caption, a move
// and a repaint per label at start.
HWND CreateLabel(HWND parent, int x, int y, const std::string& caption, HFONT font) {
  const SIZE size = MeasureLabel(font, caption);
  HWND label = CreateWindowExA(0, "STATIC", caption.c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, x, y, size.cx,
                               size.cy, parent, nullptr, nullptr, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void SetLabelCaption(HWND label, const std::string& caption) {
  SetWindowTextA(label, caption.c_str());
  FitLabelToCaption(label);
}

void SetCaptionForNextPaint(HWND control, const char* caption) {
  DrawingDeferred deferred(control);
  SetWindowTextA(control, caption);
}

DrawingDeferred::DrawingDeferred(HWND window)
    : window_((GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) ? window : nullptr) {
  if (window_) SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
}

DrawingDeferred::~DrawingDeferred() {
  if (!window_) return;
  SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FitLabelToCaption(HWND label) {
  std::string caption(GetWindowTextLengthA(label) + 1, '\0');
  caption.resize(GetWindowTextA(label, caption.data(), static_cast<int>(caption.size())));
  const SIZE size =
      MeasureLabel(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), caption);
  RECT old;
  GetWindowRect(label, &old);
  if (old.right - old.left == size.cx) return;
  SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The parent repaints what a shorter caption uncovers.
  MapWindowPoints(HWND_DESKTOP, GetParent(label), reinterpret_cast<POINT*>(&old), 2);
  InvalidateRect(GetParent(label), &old, TRUE);
}

HWND CreateGroup(HWND parent, int x, int y, int width, int height, const std::string& caption,
                 HFONT font) {
  HWND group = CreateWindowExA(WS_EX_CONTROLPARENT, "BUTTON", caption.c_str(),
                               WS_CHILD | WS_VISIBLE | BS_GROUPBOX | WS_CLIPCHILDREN |
                                   WS_CLIPSIBLINGS,
                               x, y, width, height, parent, nullptr, nullptr, nullptr);
  SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowSubclass(group, GroupProc, kGroupSubclassId, 0);
  return group;
}

HWND CreateTwoColumnList(HWND parent, int id, int x, int y, int width, int height, HFONT font) {
  HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
          LVS_SHOWSELALWAYS,
      x, y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
      nullptr);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  const char* captions[] = {"Parameter", "Value"};
  const int widths[] = {90, 170};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(captions[i]);
    column.cx = widths[i];
    column.iSubItem = i;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  // Shown once set up: a visible list lays out and invalidates itself at every step above.
  ShowWindow(list, SW_SHOWNA);
  return list;
}

HWND CreatePushButton(HWND parent, int id, int x, int y, int width, int height,
                      const std::string& caption, HFONT font, DWORD extraStyle) {
  HWND button = CreateWindowExA(0, "BUTTON", caption.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                                    BS_PUSHBUTTON | extraStyle,
                                x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}
