// The program's start under Wine: windows that cannot be made, and what the windows free.
#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/program_start_win32.h"
#include "common/window_test_support_win32.h"

namespace {

// Refuses the creation of every window of one class on this thread, as a system out of window
// resources would.
class ScopedCreationRefusal {
 public:
  explicit ScopedCreationRefusal(const char* className) {
    refusedClass_ = className;
    hook_ = SetWindowsHookExA(WH_CBT, Refuse, nullptr, GetCurrentThreadId());
  }
  ~ScopedCreationRefusal() { UnhookWindowsHookEx(hook_); }
  ScopedCreationRefusal(const ScopedCreationRefusal&) = delete;
  ScopedCreationRefusal& operator=(const ScopedCreationRefusal&) = delete;
  bool Installed() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      char name[64] = {};
      GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
      if (refusedClass_ == name) return 1;  // non-zero: the creation fails
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline std::string refusedClass_;
  HHOOK hook_ = nullptr;
};

class ProgramStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetErrorBoxHook([this](const std::string& text) { boxes_.push_back(text); });
  }
  void TearDown() override { SetErrorBoxHook(nullptr); }

  bool AboutItemEnabled(HWND mainWindow) const {
    const UINT state = GetMenuState(GetMenu(mainWindow), kIdAbout, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
  }

  // The About dialog of this thread, if one was made.
  static HWND AboutWindow() { return FindWindowA("TAboutDlg", nullptr); }
  static void NoStartup(TMainDlg&) {}

  std::vector<std::string> boxes_;
};

}  // namespace

TEST_F(ProgramStartTest, NoMainWindowEndsTheRunWithTheErrorAndANonZeroCode) {
  ScopedCreationRefusal refusal("TMainDlg");
  ASSERT_TRUE(refusal.Installed());
  EXPECT_EQ(RunProgram(GetModuleHandleA(nullptr), SW_SHOWNORMAL), kStartupFailedExitCode);
  EXPECT_NE(kStartupFailedExitCode, 0);
  EXPECT_EQ(boxes_, std::vector<std::string>{"Cannot create the main window."});
  EXPECT_EQ(MainDlg, nullptr);
}

TEST_F(ProgramStartTest, NoAboutDialogDisablesItsMenuItemAndTheProgramGoesOn) {
  // Made at the first About command, before any start-up.
  TMainDlg* main = nullptr;
  {
    ScopedCreationRefusal refusal("TAboutDlg");
    ASSERT_TRUE(refusal.Installed());
    ASSERT_NO_THROW(main = CreateProgramWindows(GetModuleHandleA(nullptr), NoStartup));
    ASSERT_NE(main, nullptr);
    ASSERT_NE(main->Handle(), nullptr);
    EXPECT_TRUE(AboutItemEnabled(main->Handle())) << "nothing has asked for the dialog yet";
    SendMessageA(main->Handle(), WM_COMMAND, kIdAbout, 0);  // the shortcut's command: nothing
  }
  EXPECT_FALSE(AboutItemEnabled(main->Handle()));
  SendMessageA(main->Handle(), WM_COMMAND, kIdAbout, 0);  // no second attempt, nothing shown
  EXPECT_EQ(AboutWindow(), nullptr);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(IsWindow(main->Handle()));
  DestroyProgramWindows();

  // Made when the start-up ends.
  {
    ScopedCreationRefusal refusal("TAboutDlg");
    main = CreateProgramWindows(GetModuleHandleA(nullptr), NoStartup);
    SendMessageA(main->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  }
  EXPECT_FALSE(AboutItemEnabled(main->Handle()));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(IsWindow(main->Handle()));
  DestroyProgramWindows();

  main = CreateProgramWindows(GetModuleHandleA(nullptr), NoStartup);
  SendMessageA(main->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(AboutItemEnabled(main->Handle()));
  DestroyProgramWindows();
}

TEST_F(ProgramStartTest, TheAboutDialogIsMadeHiddenOnceTheStartUpHasEndedEvenByAnError) {
  int startups = 0;
  TMainDlg* main = CreateProgramWindows(GetModuleHandleA(nullptr), [&](TMainDlg&) {
    ++startups;
    EXPECT_EQ(AboutWindow(), nullptr) << "made before the start-up ended";
    throw std::runtime_error("The start-up failed.");
  });
  EXPECT_EQ(AboutWindow(), nullptr) << "made before the first activation";
  SendMessageA(main->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(boxes_, std::vector<std::string>{"The start-up failed."});
  const HWND about = AboutWindow();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetWindow(about, GW_OWNER), main->Handle());
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(AboutItemEnabled(main->Handle()));

  SendMessageA(main->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  SendMessageA(main->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(startups, 1);
  EXPECT_EQ(AboutWindow(), about) << "a second dialog was made";
  DestroyProgramWindows();
  EXPECT_FALSE(IsWindow(about));
}

TEST_F(ProgramStartTest, NoAboutDialogIsMadeWhenTheWindowClosesDuringTheStartUp) {
  TMainDlg* main = CreateProgramWindows(GetModuleHandleA(nullptr), [](TMainDlg& dlg) {
    DestroyWindow(dlg.Handle());  // the user quits while the start-up waits for its download
  });
  SendMessageA(main->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(main->Handle(), nullptr);
  EXPECT_EQ(AboutWindow(), nullptr);
  EXPECT_TRUE(boxes_.empty());
  DestroyProgramWindows();
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the closed window's quit request
}

TEST_F(ProgramStartTest, TheMainWindowFreesTheIconsAndFontsItMade) {
  TMainDlg* main = CreateProgramWindows(GetModuleHandleA(nullptr), NoStartup);
  const auto icon = reinterpret_cast<HICON>(SendMessageA(main->Image1, STM_GETICON, 0, 0));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(main->Label2, WM_GETFONT, 0, 0));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  DestroyProgramWindows();
  EXPECT_FALSE(GetIconInfo(icon, &info)) << "Image1's icon outlived the window";
  EXPECT_EQ(GetObjectType(font), 0u);
}
