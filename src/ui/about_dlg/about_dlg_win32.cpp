#include "ui/about_dlg/about_dlg_win32.h"

#include <algorithm>
#include <exception>
#include <string>
#include <stdexcept>

#include "build_config.h"
#include "controls/image_button/img_btn_custom_button_win32.h"
#include "support/files/file_utils.h"
#include "support/files/shell_open.h"
#include "support/files/site_url.h"
#include "support/files/text_convert.h"
#include "ui/about_dlg/about_dlg_art_win32.h"
#include "ui/shared/work_area_win32.h"
#include "window_model/app_title.h"

// In about_dlg_layout_win32.cpp.
void CreateAboutControls(HWND dialog, HFONT font, HBITMAP banner);
void AutoSizeAboutLabel(HWND label);

namespace {
constexpr const char* kClassName = "TAboutDlg";
constexpr int kClientWidth = 389;
constexpr int kClientHeight = 285;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFontHeight = -11;  // 8 point at 96 dpi, deliberately not scaled
constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr const char* kForumPath = "/forum";

// Handed to the window at creation: who it is, and what became of it.
struct TCreateContext {
  TAboutDlg* dialog = nullptr;
  bool attached = false;  // the window took the object (it frees it from now on)
  std::string error;      // why building the controls failed
};

void RegisterAboutClass(WNDPROC windowProc) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &wc)) return;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassA(&wc)) throw std::runtime_error("Cannot register the About dialog.");
}
}  // namespace

TAboutDlg::TAboutDlg() {
  FTexts.Items() = {"About", "Application Name :", "Version :"};
  FTexts.Loaded();
}

TAboutDlg::~TAboutDlg() = default;

TAboutDlg* TAboutDlg::Create(HWND mainWindow) {
  RegisterAboutClass(WindowProc);
  TCreateContext context;
  context.dialog = new TAboutDlg;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
  HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, kClassName, "AboutDlg", kStyle, 0, 0,
                                frame.right - frame.left, frame.bottom - frame.top, mainWindow,
                                nullptr, GetModuleHandleA(nullptr), &context);
  if (window) return context.dialog;
  if (!context.attached) delete context.dialog;
  throw std::runtime_error(context.error.empty() ? "Cannot create the About dialog."
                                                 : context.error);
}

LRESULT CALLBACK TAboutDlg::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* context = static_cast<TCreateContext*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    context->attached = true;
    context->dialog->FHandle = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context->dialog));
  }
  auto* dialog = reinterpret_cast<TAboutDlg*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!dialog) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete dialog;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  if (msg == WM_CREATE) {
    try {
      dialog->OnInit();
      return 0;
    } catch (const std::exception& e) {
      auto* context = static_cast<TCreateContext*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      context->error = e.what();
      return -1;  // creation fails; Create reports why
    }
  }
  try {
    return dialog->OnMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    ShowControlError(window, e.what());
    return 0;
  }
}

LRESULT TAboutDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(kIdOk, DC_HASDEFID);  // Enter means Ok
    case WM_ACTIVATE:
      FFocus.OnActivate(FHandle, LOWORD(wParam) != WA_INACTIVE, GetDlgItem(FHandle, kIdOk));
      return 0;
    case WM_CLOSE:
      EndModal();  // the close box hides the dialog; it lives as long as the main window
      return 0;
  }
  return DefWindowProcA(FHandle, msg, wParam, lParam);
}

void TAboutDlg::OnInit() {
  FFont.Reset(CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, kFontFace));
  FBanner.Reset(CreateAboutBanner());
  FIconBig.Reset(CreateAboutIcon(kLargeIcon));
  FIconSmall.Reset(CreateAboutIcon(kSmallIcon));
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get()), FALSE);
  SendMessageA(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIconBig.Get()));
  SendMessageA(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FIconSmall.Get()));
  CreateAboutControls(FHandle, FFont.Get(), FBanner.Get());
}

void TAboutDlg::OnCommand(int id) {
  switch (id) {
    case kIdOk:
    case IDCANCEL:  // Esc
      EndModal();
      break;
    case kIdEmail:
      OpenLink(std::string("mailto:") + MODULIX_CONTACT_EMAIL);
      break;
    case kIdWeb:
      OpenLink(MakerSiteUrl());
      break;
    case kIdForum:
      OpenLink(MakerSiteUrl() + kForumPath);
      break;
  }
}

void TAboutDlg::OpenLink(const std::string& address) { ShellExecuteOpen(FHandle, address); }

void TAboutDlg::FillTexts() {
  SetWindowTextA(FHandle, (FTexts.GetText("About") + " " + kApplicationTitle).c_str());
  HWND appName = GetDlgItem(FHandle, kIdAppName);
  SetWindowTextA(appName, (FTexts.GetText("Application Name :") + " " + kApplicationTitle).c_str());
  AutoSizeAboutLabel(appName);
  const std::string version = WideToAnsi(GetFileVersionText(GetProgramPath()));
  HWND versionLabel = GetDlgItem(FHandle, kIdVersion);
  SetWindowTextA(versionLabel, (FTexts.GetText("Version :") + " " + version).c_str());
  AutoSizeAboutLabel(versionLabel);
}

void TAboutDlg::ShowAbout() {
  if (FModal) return;  // already showing
  FillTexts();
  CenterOnOwner();
  RunModalLoop();
}

// Centred on the main window, but kept on its screen.
void TAboutDlg::CenterOnOwner() {
  RECT own, frame;
  GetWindowRect(FHandle, &own);
  HWND owner = GetWindow(FHandle, GW_OWNER);
  if (owner) GetWindowRect(owner, &frame);
  else SystemParametersInfoA(SPI_GETWORKAREA, 0, &frame, 0);
  const int width = own.right - own.left, height = own.bottom - own.top;
  const ScreenPoint centred{(frame.left + frame.right - width) / 2,
                            (frame.top + frame.bottom - height) / 2};
  const ScreenPoint at = PlaceInWorkArea(centred, width, height, WorkAreaNear(frame));
  SetWindowPos(FHandle, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A modal loop of our own: the owner is disabled, keyboard messages go through the dialog
// manager (Tab, Enter, Esc), and a WM_QUIT met here is handed on to the main loop.
void TAboutDlg::RunModalLoop() {
  HWND owner = GetWindow(FHandle, GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  FModal = true;
  FFocus.Forget();
  ShowWindow(FHandle, SW_SHOWNORMAL);
  SetFocus(GetDlgItem(FHandle, kIdOk));
  MSG msg;
  while (FModal) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
    if (got <= 0) break;
    if (IsDialogMessageA(FHandle, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  FModal = false;
  // The owner comes back before the dialog goes, so that it, not another program, is activated.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  ShowWindow(FHandle, SW_HIDE);
}

void TAboutDlg::EndModal() {
  if (FModal) FModal = false;  // the modal loop ends and hides the dialog
  else ShowWindow(FHandle, SW_HIDE);
}
