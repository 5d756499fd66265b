#include "ui/report_window/report_window_win32.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "support/files/file_replace.h"
#include "support/files/text_convert.h"
#include "support/system/system_info_error.h"
#include "window_model/app_title.h"
#include "ui/shared/error_box_win32.h"
#include "ui/report_window/report_clipboard_win32.h"
#include "ui/report_window/report_save_win32.h"
#include "ui/report_window/report_window_layout.h"
#include "ui/report_window/report_window_text.h"
#include "ui/shared/resource_ids.h"
#include "ui/shared/standard_controls_win32.h"

namespace {

constexpr const char* kClassName = "TReportDlg";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
constexpr int kFixedFontHeight = -13;
constexpr const char* kFixedFontFace = "Courier New";
constexpr int kOwnerOffset = 32;  // the window opens this far in from the main window's corner

TReportDlg* OpenReport = nullptr;

// Handed to the window at creation: who it is, and what became of it.
struct TCreateContext {
  TReportDlg* dialog = nullptr;
  bool attached = false;  // the window took the object (it frees it from now on)
  std::string error;      // why making the controls failed
};

TCreateContext* ContextOf(LPARAM createStruct) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(createStruct);
  return static_cast<TCreateContext*>(create->lpCreateParams);
}

void RegisterReportClass(WNDPROC windowProc) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &wc)) return;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(kIdiMain));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  if (!RegisterClassA(&wc)) throw std::runtime_error("Cannot register the report window.");
}

HFONT CreateFixedFont() {
  return CreateFontA(kFixedFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, kFixedFontFace);
}

void Place(HWND control, const TControlBox& box) {
  SetWindowPos(control, nullptr, box.left, box.top, box.width, box.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The outer size of a window with the given client size.
SIZE FrameSize(int clientWidth, int clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// A little in from the owner's top-left corner, so both captions stay visible.
POINT InitialPosition(HWND owner) {
  RECT ownerBox{};
  if (!owner || !GetWindowRect(owner, &ownerBox)) return {CW_USEDEFAULT, CW_USEDEFAULT};
  return {ownerBox.left + kOwnerOffset, ownerBox.top + kOwnerOffset};
}

// The hourglass while the inventory is read: WMI can take a moment on a real machine.
class TWaitCursor {
 public:
  TWaitCursor() : FPrevious(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { SetCursor(FPrevious); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR FPrevious;
};

ReportDocument ReadReport(const TReportDlg::ReportSource& source) {
  TWaitCursor wait;
  return source();
}

}  // namespace

TReportDlg::TReportDlg(ReportDocument report)
    : FReport(std::move(report)), FText(WithCrLf(FReport.human)) {}

TReportDlg::~TReportDlg() {
  if (OpenReport == this) OpenReport = nullptr;
}

TReportDlg* TReportDlg::Current() { return OpenReport; }

TReportDlg* TReportDlg::ShowReport(HWND owner, const ReportSource& source) {
  if (OpenReport) {
    OpenReport->BringForward();
    return OpenReport;
  }
  RegisterReportClass(WindowProc);
  TCreateContext context;
  context.dialog = new TReportDlg(ReadReport(source));
  const SIZE size = FrameSize(kReportInitialClientWidth, kReportInitialClientHeight);
  const POINT at = InitialPosition(owner);
  const std::string caption = std::string("Memory report - ") + kApplicationTitle;
  HWND window = CreateWindowExA(0, kClassName, caption.c_str(), kStyle, at.x, at.y, size.cx,
                                size.cy, owner, nullptr, GetModuleHandleA(nullptr), &context);
  if (!window) {
    if (!context.attached) delete context.dialog;
    throw std::runtime_error(context.error.empty() ? "Cannot create the report window."
                                                   : context.error);
  }
  TReportDlg* dialog = context.dialog;
  OpenReport = dialog;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  return dialog;
}

bool TReportDlg::PreTranslateMessage(MSG& msg) {
  if (!OpenReport) return false;
  HWND window = OpenReport->FHandle;
  if (msg.hwnd != window && !IsChild(window, msg.hwnd)) return false;
  return IsDialogMessageA(window, &msg) != FALSE;
}

LRESULT CALLBACK TReportDlg::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    TCreateContext* context = ContextOf(lParam);
    context->attached = true;
    context->dialog->FHandle = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context->dialog));
  }
  auto* dialog = reinterpret_cast<TReportDlg*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!dialog) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {  // the object goes with its window
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete dialog;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  if (msg == WM_CREATE) {  // a failure ends the creation; ShowReport reports it once
    try {
      dialog->OnCreate();
      return 0;
    } catch (const std::exception& e) {
      ContextOf(lParam)->error = e.what();
      return -1;
    }
  }
  LRESULT result = 0;
  RunGuarded(window, [&] { result = dialog->OnMessage(msg, wParam, lParam); });
  return result;
}

LRESULT TReportDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_GETMINMAXINFO: {
      const SIZE least = FrameSize(kReportMinClientWidth, kReportMinClientHeight);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
      return 0;
    }
    case WM_ACTIVATE:
      FFocus.OnActivate(FHandle, LOWORD(wParam) != WA_INACTIVE,
                        GetDlgItem(FHandle, kIdReportText));
      return 0;
    case WM_NEXTDLGCTL:  // Tab in the text box asks its parent to move on, as in a dialog
      MoveToNextControl(wParam, lParam);
      return 0;
    case WM_CTLCOLORSTATIC:  // the read-only report reads best on the window colour
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE:
      DestroyWindow(FHandle);
      return 0;
  }
  return DefWindowProcA(FHandle, msg, wParam, lParam);
}

void TReportDlg::OnCreate() {
  FFont.Reset(CreateWindowFont(false));
  FFixedFont.Reset(CreateFixedFont());
  // A Unicode edit control: the report's text is UTF-8, and the ANSI code page may lack some
  // of its characters.
  HWND text = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kTextStyle, 0, 0, 0, 0, FHandle,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdReportText)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!text) throw std::runtime_error("Cannot create the report text box.");
  SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(FFixedFont.Get()), FALSE);
  SendMessageA(text, EM_SETLIMITTEXT, 0, 0);  // reports of large servers exceed the default
  SetWindowTextW(text, Utf8ToWide(FText).c_str());
  CreatePushButton(FHandle, kIdCopy, 0, 0, 0, 0, "&Copy", FFont.Get());
  CreatePushButton(FHandle, kIdSave, 0, 0, 0, 0, "&Save...", FFont.Get());
  CreatePushButton(FHandle, kIdClose, 0, 0, 0, 0, "Close", FFont.Get());
  RECT client{};
  GetClientRect(FHandle, &client);
  OnSize(client.right, client.bottom);
}

void TReportDlg::OnCommand(int id) {
  switch (id) {
    case kIdCopy: return CopyClick();
    case kIdSave: return SaveClick();
    case kIdClose: DestroyWindow(FHandle); return;
    default: return;  // Enter (IDOK) means nothing here
  }
}

void TReportDlg::OnSize(int width, int height) {
  const TReportLayout layout = LayoutReportWindow(width, height);
  Place(GetDlgItem(FHandle, kIdReportText), layout.report);
  Place(GetDlgItem(FHandle, kIdCopy), layout.copy);
  Place(GetDlgItem(FHandle, kIdSave), layout.save);
  Place(GetDlgItem(FHandle, kIdClose), layout.close);
}

// wParam: a control when lParam is set, else 0 for the next tab stop and 1 for the previous.
void TReportDlg::MoveToNextControl(WPARAM wParam, LPARAM lParam) {
  HWND next = lParam ? reinterpret_cast<HWND>(wParam)
                     : GetNextDlgTabItem(FHandle, GetFocus(), wParam != 0);
  if (next) SetFocus(next);
}

void TReportDlg::BringForward() {
  if (IsIconic(FHandle)) ShowWindow(FHandle, SW_RESTORE);
  SetForegroundWindow(FHandle);
  BringWindowToTop(FHandle);
}

void TReportDlg::CopyClick() { CopyTextToClipboard(FHandle, FText); }

void TReportDlg::SaveClick() {
  const std::optional<TReportSaveChoice> choice = ChooseReportFile(FHandle);
  if (!choice) return;
  try {
    const uint32_t error = ReplaceFileContent(choice->path, ReportFileContent(FReport, choice->type));
    if (error != 0) RaiseOSError(error);
  } catch (const std::exception& e) {
    ShowErrorBox(FHandle, "The report could not be saved to " + WideToAnsi(choice->path) +
                              ".\r\n" + e.what());
  }
}
