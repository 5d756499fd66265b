// The main window under Wine: layout, first activation, menu shortcuts, error box.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/memory_panel_win32.h"
#include "ui/shared/standard_controls_win32.h"
#include "common/window_test_support_win32.h"

using namespace std::chrono_literals;

namespace {

void ExpectRect(HWND window, int left, int top, int width, int height, const char* name) {
  RECT rc = RectInParent(window);
  EXPECT_EQ(rc.left, left) << name;
  EXPECT_EQ(rc.top, top) << name;
  EXPECT_EQ(rc.right - rc.left, width) << name;
  EXPECT_EQ(rc.bottom - rc.top, height) << name;
}

// A window of another thread, so that activating it deactivates our application.
class OtherApplication {
 public:
  OtherApplication() {
    thread_ = std::thread([this] {
      threadId_ = GetCurrentThreadId();
      window_ = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                200, 100, nullptr, nullptr, nullptr, nullptr);
      ready_ = true;
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
      DestroyWindow(window_);
      done_ = true;
    });
    while (!ready_) std::this_thread::sleep_for(5ms);
  }
  ~OtherApplication() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    // Its window's destruction talks to ours: keep our queue moving until it is gone.
    PumpUntil([this] { return done_.load(); }, 5s);
    thread_.join();
  }
  HWND Window() const { return window_; }

 private:
  std::thread thread_;
  std::atomic<bool> ready_{false};
  std::atomic<bool> done_{false};
  HWND window_ = nullptr;
  std::atomic<DWORD> threadId_{0};
};

LRESULT CALLBACK CountActivations(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR counter) {
  if (msg == WM_ACTIVATEAPP && wParam) ++*reinterpret_cast<int*>(counter);
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// Counts how often the parent of an owner-drawn button is asked to draw it, while it lives.
class DrawWatch {
 public:
  explicit DrawWatch(HWND button) : button_(button) {
    SetWindowSubclass(GetParent(button_), Count, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~DrawWatch() { RemoveWindowSubclass(GetParent(button_), Count, 1); }
  int draws = 0;

 private:
  static LRESULT CALLBACK Count(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR self) {
    auto* watch = reinterpret_cast<DrawWatch*>(self);
    if (msg == WM_DRAWITEM && reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem == watch->button_)
      ++watch->draws;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  HWND button_;
};

// Anti-aliased corners blend a little of the button into the background.
bool NearColor(COLORREF a, COLORREF b) {
  constexpr int kTolerance = 8;
  return std::abs(GetRValue(a) - GetRValue(b)) <= kTolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= kTolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= kTolerance;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [this](TMainDlg&) {
      ++startups_;
      focusDuringStartup_ = GetFocus();
      if (throwInStartup_) throw std::runtime_error("start-up failed on purpose");
    });
    SetErrorBoxHook([this](const std::string& text) { errors_.push_back(text); });
  }
  void TearDown() override {
    SetErrorBoxHook(nullptr);
    SetMemoryStatusQuery(nullptr);
    delete dlg_;
    PumpFor(50ms);
  }
  bool Filter(MSG& msg) { return dlg_->PreTranslate(msg); }

  TMainDlg* dlg_ = nullptr;
  int startups_ = 0;
  int activations_ = 0;
  HWND focusDuringStartup_ = nullptr;
  bool throwInStartup_ = false;
  std::vector<std::string> errors_;
};

TEST_F(MainWindowTest, LayoutMatchesTheDesign) {
  RECT client;
  GetClientRect(dlg_->Handle(), &client);
  EXPECT_EQ(client.right, 751);
  EXPECT_EQ(client.bottom, 495);
  RECT outer;
  GetWindowRect(dlg_->Handle(), &outer);
  EXPECT_EQ(outer.left, 198);
  EXPECT_EQ(outer.top, 179);
  LONG style = GetWindowLongA(dlg_->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  ExpectRect(dlg_->top_pnl, -12, 0, 764, 57, "top_pnl");
  ExpectRect(dlg_->drivers_btn, 608, 8, 137, 41, "drivers_btn");
  ExpectRect(dlg_->general_grp, 2, 61, 743, 430, "general_grp");
  ExpectRect(dlg_->GroupBox2, 160, 12, 209, 81, "GroupBox2");
  ExpectRect(dlg_->scope, 115, 10, 89, 65, "scope");
  ExpectRect(dlg_->slot_grp[2], 376, 96, 361, 161, "slot3_grp");
  ExpectRect(dlg_->slot_grp[3], 376, 262, 361, 161, "slot4_grp");
  ExpectRect(dlg_->lst[1], 7, 16, 266, 137, "lst2");
  ExpectRect(dlg_->getSpec_btn[0], 280, 16, 73, 89, "getSpec1_btn");
  ExpectRect(dlg_->getRAM_btn[3], 8, 16, 345, 137, "getRAM4_btn");
  RECT slots = RectInParent(dlg_->slots_lbl);
  EXPECT_EQ(slots.left, 8);
  EXPECT_EQ(slots.top, 19);

  EXPECT_EQ(WindowText(dlg_->slot_grp[0]), "Slot 1");
  EXPECT_EQ(WindowText(dlg_->GroupBox2), "Physical Memory.");
  EXPECT_EQ(WindowText(dlg_->phytot_lbl), "Available :");
  EXPECT_EQ(WindowText(dlg_->subtitle_lbl), "Memory details at your finger tips");
  EXPECT_EQ(ImageList_GetImageCount(dlg_->ImageList96), 2);

  // The list lies above the empty-slot button, which lies above the search button.
  EXPECT_EQ(GetWindow(dlg_->slot_grp[0], GW_CHILD), dlg_->lst[0]);
  EXPECT_EQ(GetWindow(dlg_->lst[0], GW_HWNDNEXT), dlg_->getRAM_btn[0]);
  EXPECT_EQ(GetWindow(dlg_->getRAM_btn[0], GW_HWNDNEXT), dlg_->getSpec_btn[0]);
}

// The themed button's rounded corners let its parent show through: the banner's dark colour,
// not the light face around a button on a dialog.
TEST_F(MainWindowTest, DriversButtonCornersShowTheDarkBanner) {
  ShowWindow(dlg_->Handle(), SW_SHOWNORMAL);
  SetFocus(dlg_->Handle());  // the button, first to take the focus, would glow at its corners
  PumpFor(200ms);
  const COLORREF banner = GetSysColor(COLOR_WINDOWFRAME);
  ASSERT_EQ(ScreenPixel(dlg_->top_pnl, 300, 50), banner);
  ASSERT_FALSE(NearColor(GetSysColor(COLOR_BTNFACE), banner));  // else the test proves nothing
  RECT button;
  GetClientRect(dlg_->drivers_btn, &button);
  for (POINT p : {POINT{0, 0}, POINT{button.right - 1, 0}, POINT{0, button.bottom - 1},
                  POINT{button.right - 1, button.bottom - 1}}) {
    const COLORREF corner = ScreenPixel(dlg_->drivers_btn, p.x, p.y);
    EXPECT_TRUE(NearColor(corner, banner)) << p.x << "," << p.y << ": " << std::hex << corner;
  }
}

TEST_F(MainWindowTest, MenuHasItsItemsAndShortcuts) {
  HMENU bar = GetMenu(dlg_->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  char text[64];
  GetMenuStringA(bar, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&File");
  GetMenuStringA(bar, 1, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&?");
  HMENU help = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(help), 3);
  GetMenuStringA(help, kIdOpenLog, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Open log file\tCtrl+L");
  EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  GetMenuStringA(help, kIdAbout, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&About...\tCtrl+B");
}

TEST_F(MainWindowTest, StartupRunsOnceAtTheFirstActivation) {
  EXPECT_EQ(WindowText(dlg_->Handle()), "MainDlg");
  EXPECT_EQ(startups_, 0);
  ShowWindow(dlg_->Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(dlg_->Handle());
  SetWindowSubclass(dlg_->Handle(), CountActivations, 1, reinterpret_cast<DWORD_PTR>(&activations_));
  ASSERT_TRUE(PumpUntil([&] { return startups_ > 0; }, 5s));
  const HWND focusAfterStartup = GetFocus();
  {
    OtherApplication other;
    SetForegroundWindow(other.Window());
    PumpFor(300ms);
    SetForegroundWindow(dlg_->Handle());
    PumpFor(300ms);
  }
  EXPECT_GE(activations_, 1);  // the switch back reached the window
  SendMessageA(dlg_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(startups_, 1);
  // Keys work during the start-up: its first control already has the focus.
  ASSERT_NE(focusDuringStartup_, nullptr);
  EXPECT_EQ(focusDuringStartup_, GetNextDlgTabItem(dlg_->Handle(), nullptr, FALSE));
  EXPECT_EQ(focusAfterStartup, focusDuringStartup_);  // the activation did not take it away
}

// The start-up captions the empty-slot buttons of a shown window: the caption waits for the
// window's paint instead of being drawn on the spot, and a hidden control stays hidden.
TEST_F(MainWindowTest, ACaptionSetForTheNextPaintIsDrawnByThatPaintAlone) {
  ShowWindow(dlg_->Handle(), SW_SHOWNA);
  PumpFor(100ms);
  HWND button = dlg_->getRAM_btn[0];
  DrawWatch watch(button);
  int& draws = watch.draws;
  SetWindowTextA(button, "drawn at once");
  EXPECT_GE(draws, 1) << "a plain caption change draws the button on the spot";
  draws = 0;
  SetCaptionForNextPaint(button, "drawn with the window");
  EXPECT_EQ(draws, 0);
  EXPECT_EQ(WindowText(button), "drawn with the window");
  EXPECT_TRUE(IsWindowVisible(button));
  EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE));
  UpdateWindow(button);
  EXPECT_EQ(draws, 1);

  ShowWindow(button, SW_HIDE);
  SetCaptionForNextPaint(button, "hidden");
  EXPECT_EQ(WindowText(button), "hidden");
  EXPECT_FALSE(GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE);
}

// The slot scan fills the panels under one deferral: nothing inside draws until the group is
// painted again, then it is painted whole; the group is as shown or hidden as before.
TEST_F(MainWindowTest, DeferredDrawingPaintsTheGroupOnceAtTheEnd) {
  ShowWindow(dlg_->Handle(), SW_SHOWNA);
  PumpFor(100ms);
  HWND button = dlg_->getRAM_btn[1];
  {
    DrawWatch watch(button);
    {
      DrawingDeferred deferred(dlg_->general_grp);
      SetWindowTextA(button, "first");
      SetWindowTextA(button, "second");
      EnableWindow(button, FALSE);
    }
    EXPECT_EQ(watch.draws, 0);
    EXPECT_TRUE(IsWindowVisible(dlg_->general_grp));
    EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(dlg_->lst[3], nullptr, FALSE));
    RedrawWindow(dlg_->general_grp, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(watch.draws, 1);
  }

  ShowWindow(dlg_->general_grp, SW_HIDE);
  { DrawingDeferred deferred(dlg_->general_grp); }
  EXPECT_FALSE(GetWindowLongPtrA(dlg_->general_grp, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(MainWindowTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
  throwInStartup_ = true;
  SendMessageA(dlg_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "start-up failed on purpose");
  EXPECT_TRUE(IsWindow(dlg_->Handle()));
  SendMessageA(dlg_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(startups_, 1);  // not retried
}

TEST_F(MainWindowTest, AFailingMemoryQueryShowsOneBoxAtATime) {
  int queries = 0;
  SetMemoryStatusQuery([&](MEMORYSTATUSEX&) {
    ++queries;
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  });
  int open = 0, mostOpen = 0;
  auto tick = [&] { SendMessageA(dlg_->Handle(), WM_TIMER, kMemTimerId, 0); };
  // A real box runs a message loop of its own; here the first box lets two ticks through.
  SetErrorBoxHook([&](const std::string& text) {
    errors_.push_back(text);
    mostOpen = std::max(mostOpen, ++open);
    if (errors_.size() == 1) {
      tick();
      tick();
    }
    --open;
  });
  tick();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(mostOpen, 1);
  EXPECT_EQ(queries, 1);  // the ticks inside the box did nothing at all
  tick();  // the box was closed: the next failure is shown again
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(queries, 2);
}

TEST_F(MainWindowTest, CtrlQFromAChildControlClosesTheWindow) {
  ShowWindow(dlg_->Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(dlg_->Handle());
  SetFocus(dlg_->lst[0]);
  PumpFor(100ms);
  PressKeys({VK_CONTROL}, 'Q');
  HWND window = dlg_->Handle();
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }, 5s,
                        [&](MSG& m) { return Filter(m); }));
  EXPECT_TRUE(dlg_->Destroyed());
}

}  // namespace
