#include "ui/main_window/main_dlg_win32.h"

#include <utility>

#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"
#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_menu_win32.h"
#include "ui/report_window/report_window_win32.h"
#include "ui/shared/standard_controls_win32.h"
#include "ui/shared/work_area_win32.h"

TMainDlg* MainDlg = nullptr;

namespace {
constexpr const char* kMainClass = "TMainDlg";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             WS_CLIPCHILDREN;

void RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.lpszClassName = kMainClass;
  RegisterClassExA(&wc);
}

// The designed corner, unless the window would then reach under the taskbar or off the monitor
// it opens on: a scaled or small screen, or a secondary monitor placed above or left.
ScreenPoint MainWindowCorner(int width, int height) {
  const RECT wanted{kMainLeft, kMainTop, kMainLeft + width, kMainTop + height};
  return PlaceInWorkArea({kMainLeft, kMainTop}, width, height, WorkAreaNear(wanted));
}
}  // namespace

TMainDlg* TMainDlg::Create(HINSTANCE instance, StartupAction startup) {
  RegisterMainClass(instance, WindowProc);
  auto* dlg = new TMainDlg();
  dlg->activateHandler_ = std::move(startup);
  dlg->font_ = CreateWindowFont(false);
  dlg->boldFont_ = CreateWindowFont(true);
  dlg->MainMenu1 = CreateMainMenu();
  dlg->accelerators_ = CreateMainAccelerators();
  RECT outer{0, 0, kMainClientWidth, kMainClientHeight};
  AdjustWindowRectEx(&outer, kMainStyle, TRUE, 0);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const ScreenPoint at = MainWindowCorner(width, height);
  CreateWindowExA(0, kMainClass, "MainDlg", kMainStyle, at.x, at.y, width, height, nullptr,
                  dlg->MainMenu1, instance, dlg);
  MainDlg = dlg;
  return dlg;
}

TMainDlg::~TMainDlg() {
  if (Handle_) DestroyWindow(Handle_);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (ImageList96) ImageList_Destroy(ImageList96);
  if (image1Icon_) DestroyIcon(image1Icon_);
  DeleteObject(font_);
  DeleteObject(boldFont_);
  if (MainDlg == this) MainDlg = nullptr;
}

bool TMainDlg::PreTranslate(MSG& msg) {
  if (TReportDlg::PreTranslateMessage(msg)) return true;  // the report window is modeless
  if (!Handle_ || (msg.hwnd != Handle_ && !IsChild(Handle_, msg.hwnd))) return false;
  if (TranslateAcceleratorA(Handle_, accelerators_, &msg)) return true;
  return IsDialogMessageA(Handle_, &msg) != FALSE;
}

LRESULT CALLBACK TMainDlg::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* dlg = static_cast<TMainDlg*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    dlg->Handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dlg));
  }
  auto* dlg = reinterpret_cast<TMainDlg*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!dlg) return DefWindowProcA(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  RunGuarded(hwnd, [&] {
    result = dlg->HandleMessage(msg, wParam, lParam);
    handled = true;
  });
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    dlg->Handle_ = nullptr;
  }
  return handled ? result : 0;
}

LRESULT TMainDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      CreateComponents();
      SetTimer(Handle_, kMemTimerId, kMemTimerInterval, nullptr);
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam) AppEvtActivate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam == kMemTimerId) Mem_tmrTimer();
      return 0;
    case WM_CTLCOLORSTATIC:  // labels draw on the face colour of their group
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_SIZE:
      OnSize(LOWORD(lParam));
      return 0;
    case WM_DESTROY:
      KillTimer(Handle_, kMemTimerId);
      destroyed_ = true;
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(Handle_, msg, wParam, lParam);
  }
}

void TMainDlg::AppEvtActivate() {
  // Unbind first: the start-up runs message loops of its own and must never run twice.
  StartupAction startup = std::move(activateHandler_);
  activateHandler_ = nullptr;
  if (startup) startup(*this);
}

void TMainDlg::OnCommand(int id) {
  if (id >= kIdGetRam1 && id < kIdGetRam1 + 4) return getRAM_btnClick();
  if (id >= kIdGetSpec1 && id < kIdGetSpec1 + 4) return getSpecClick(id - kIdGetSpec1 + 1);
  switch (id) {
    case kIdDriversBtn: return drivers_btnClick();
    case kIdQuit: return Quit1Click();
    case kIdOpenLog: return Openlogfile1Click();
    case kIdAbout: return About1Click();
    case kIdReport: return Memoryreport1Click();
    default: return;  // IDOK/IDCANCEL from keyboard navigation mean nothing here
  }
}

// Anchors: the banner, the drivers button and the general group follow the right edge.
void TMainDlg::OnSize(int clientWidth) {
  if (!general_grp) return;
  const int delta = clientWidth - kMainClientWidth;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(top_pnl, nullptr, -12, 0, 764 + delta, 57, flags);
  SetWindowPos(drivers_btn, nullptr, 608 + delta, 8, 137, 41, flags);
  SetWindowPos(general_grp, nullptr, 2, 61, 743 + delta, 430, flags);
}

void TMainDlg::Quit1Click() { DestroyWindow(Handle_); }
