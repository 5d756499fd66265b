#include "controls/scope/sim_scope_win32.h"

#include <algorithm>
#include <exception>

const char kSimScopeClassName[] = "ModulixSimScope";

namespace {
constexpr UINT_PTR kClockTimerId = 1;

// The window's half of the scope: carries out what the scope asks of its window.
class ScopeWindow final : public TScopeHost {
 public:
  explicit ScopeWindow(HWND window) : FWindow(window) {}

  TSimScope& Scope() { return FScope; }
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  bool HasParent() const override { return GetParent(FWindow) != nullptr; }
  void Repaint() override { RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
  void ApplyClock(bool enabled, int periodMs) override;
  void ApplyBounds(int left, int top, int width, int height) override;

 private:
  RECT BoundsInParent() const;
  void Paint();
  void TakeBoundsFromWindow();

  HWND FWindow;
  TSimScope FScope;
};

class PaintSession {
 public:
  explicit PaintSession(HWND window) : FWindow(window), FDc(BeginPaint(window, &FPaint)) {}
  ~PaintSession() { EndPaint(FWindow, &FPaint); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  HDC Dc() const { return FDc; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDc;
};

void CopyToDevice(HDC dc, const TRaster& buffer) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = buffer.Width();
  info.bmiHeader.biHeight = -buffer.Height();  // top-down rows, as the buffer keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, buffer.Width(), buffer.Height(), 0, 0, 0, buffer.Height(),
                    buffer.Bits(), &info, DIB_RGB_COLORS);
}

ScopeWindow* FromWindow(HWND window) {
  return reinterpret_cast<ScopeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ApplyMinimumSize(WINDOWPOS& position) {
  if (position.flags & SWP_NOSIZE) return;
  position.cx = std::max(position.cx, TSimScope::kMinimumSize);
  position.cy = std::max(position.cy, TSimScope::kMinimumSize);
}
}  // namespace

void ScopeWindow::ApplyClock(bool enabled, int periodMs) {
  KillTimer(FWindow, kClockTimerId);
  if (enabled && periodMs > 0) SetTimer(FWindow, kClockTimerId, static_cast<UINT>(periodMs), nullptr);
}

RECT ScopeWindow::BoundsInParent() const {
  RECT bounds{};
  GetWindowRect(FWindow, &bounds);
  MapWindowPoints(HWND_DESKTOP, GetParent(FWindow), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

void ScopeWindow::ApplyBounds(int left, int top, int width, int height) {
  const RECT now = BoundsInParent();
  if (now.left == left && now.top == top && now.right - now.left == width &&
      now.bottom - now.top == height)
    return;
  SetWindowPos(FWindow, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A move or resize from outside goes through the scope's own resizing.
void ScopeWindow::TakeBoundsFromWindow() {
  const RECT now = BoundsInParent();
  const int width = now.right - now.left, height = now.bottom - now.top;
  if (now.left == FScope.Left() && now.top == FScope.Top() && width == FScope.Width() &&
      height == FScope.Height())
    return;
  FScope.SetBounds(now.left, now.top, width, height);
}

void ScopeWindow::Paint() {
  PaintSession session(FWindow);
  FScope.Paint([&](const TRaster& buffer) { CopyToDevice(session.Dc(), buffer); });
}

LRESULT ScopeWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      ApplyBounds(FScope.Left(), FScope.Top(), FScope.Width(), FScope.Height());
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (wParam == kClockTimerId) FScope.Advance();
      return 0;
    case WM_WINDOWPOSCHANGING:
      ApplyMinimumSize(*reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      TakeBoundsFromWindow();
      break;
  }
  return DefWindowProcA(FWindow, message, wParam, lParam);
}

namespace {
void ReportError(HWND window, const char* text) {
  MessageBoxA(GetAncestor(window, GA_ROOT), text, nullptr, MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK ScopeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) {
      auto* scopeWindow = new ScopeWindow(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(scopeWindow));
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      scopeWindow->Scope().SetBounds(create->x, create->y, create->cx, create->cy);
      scopeWindow->Scope().SetHost(scopeWindow);
    }
    ScopeWindow* scopeWindow = FromWindow(window);
    if (message == WM_NCDESTROY) {
      KillTimer(window, kClockTimerId);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete scopeWindow;
      return DefWindowProcA(window, message, wParam, lParam);
    }
    if (scopeWindow) return scopeWindow->Handle(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportError(window, e.what());
    if (message == WM_NCCREATE) return FALSE;
  } catch (...) {
    ReportError(window, "Unknown error");
    if (message == WM_NCCREATE) return FALSE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterScopeClass() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;  // a new size draws a new picture
  windowClass.lpfnWndProc = ScopeWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kSimScopeClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

HWND CreateSimScopeWindow(HWND parent, int id, int x, int y, int width, int height) {
  static const bool registered = RegisterScopeClass();
  if (!registered) return nullptr;
  return CreateWindowExA(0, kSimScopeClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                         width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

TSimScope* SimScopeFromWindow(HWND scopeWindow) {
  char className[64] = {};
  if (scopeWindow == nullptr || GetClassNameA(scopeWindow, className, sizeof(className)) == 0 ||
      lstrcmpA(className, kSimScopeClassName) != 0)
    return nullptr;
  ScopeWindow* window = FromWindow(scopeWindow);
  return window ? &window->Scope() : nullptr;
}
