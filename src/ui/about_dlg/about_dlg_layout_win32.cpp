// The About dialog's controls, from a table that keeps each control's place within its group.
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/about_dlg/about_dlg_art_win32.h"
#include "ui/about_dlg/about_dlg_win32.h"

namespace {
constexpr int kOnDialog = -1;

struct TAboutControl {
  int id;
  const char* className;
  const char* caption;
  DWORD style;
  int parent;  // index of the enclosing group in kLayout, or kOnDialog
  int left, top, width, height;  // within the parent; labels size themselves to their text
};

constexpr DWORD kGroup = BS_GROUPBOX | WS_CLIPSIBLINGS;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

constexpr TAboutControl kLayout[] = {
    {TAboutDlg::kIdBanner, "STATIC", "", SS_BITMAP, kOnDialog, 0, 0, kAboutBannerWidth,
     kAboutBannerHeight},
    {TAboutDlg::kIdAllGroup, "BUTTON", "", kGroup, kOnDialog, 1, 97, 384, 184},
    {TAboutDlg::kIdApplicationGroup, "BUTTON", "Application", kGroup, 1, 5, 12, 249, 53},
    {TAboutDlg::kIdAppName, "STATIC", "Application name :", kLabel, 2, 8, 16, 0, 0},
    {TAboutDlg::kIdVersion, "STATIC", "Version :", kLabel, 2, 8, 32, 0, 0},
    {TAboutDlg::kIdMakerGroup, "BUTTON", "Tervane", kGroup, 1, 260, 12, 113, 117},
    {TAboutDlg::kIdEmail, "BUTTON", "Email", kButton, 5, 8, 16, 97, 28},
    {TAboutDlg::kIdWeb, "BUTTON", "Web Site", kButton, 5, 8, 48, 97, 28},
    {TAboutDlg::kIdForum, "BUTTON", "Forums", kButton, 5, 8, 80, 97, 28},
    {TAboutDlg::kIdOk, "BUTTON", "Ok", BS_DEFPUSHBUTTON | WS_TABSTOP, 1, 274, 139, 81, 33},
};

// Position on the dialog: the control's own place plus those of its enclosing groups.
POINT DialogPosition(int index) {
  POINT p{0, 0};
  for (int i = index; i != kOnDialog; i = kLayout[i].parent) {
    p.x += kLayout[i].left;
    p.y += kLayout[i].top;
  }
  return p;
}

bool IsGroup(const TAboutControl& c) {
  return std::string(c.className) == "BUTTON" && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsLabel(const TAboutControl& c) {
  return std::string(c.className) == "STATIC" && c.style == kLabel;
}

HWND CreateControl(HWND dialog, int index, HFONT font) {
  const TAboutControl& c = kLayout[index];
  const POINT at = DialogPosition(index);
  HWND control = CreateWindowExA(0, c.className, c.caption, WS_CHILD | WS_VISIBLE | c.style, at.x,
                                 at.y, c.width, c.height, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (!control) throw std::runtime_error("Cannot create the About dialog.");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}
}  // namespace

// Labels take the size of their text, as auto-sized labels do.
void AutoSizeAboutLabel(HWND label) {
  std::string text(GetWindowTextLengthA(label) + 1, '\0');
  text.resize(GetWindowTextA(label, text.data(), static_cast<int>(text.size())));
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateAboutControls(HWND dialog, HFONT font, HBITMAP banner) {
  std::vector<HWND> groups;
  for (int i = 0; i < static_cast<int>(std::size(kLayout)); ++i) {
    HWND control = CreateControl(dialog, i, font);
    if (IsGroup(kLayout[i])) groups.push_back(control);
    if (IsLabel(kLayout[i])) AutoSizeAboutLabel(control);
  }
  // Groups lie under their contents, the outermost lowest, so they never paint over them.
  for (auto g = groups.rbegin(); g != groups.rend(); ++g)
    SetWindowPos(*g, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendDlgItemMessageA(dialog, TAboutDlg::kIdBanner, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(banner));
}
