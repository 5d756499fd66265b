// The download goes on under a modal loop that is not its own: the About dialog, opened from a
// handler that runs inside Download (as Ctrl+B would be), stays up for 12 s while the site
// answers after 2 s. The file must arrive while the dialog is still open, and Download returns
// only once the dialog has gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>

#include "support/download/file_grabber_test_support.h"
#include "support/http/http_test_server.h"
#include "support/download/file_grabber.h"
#include "support/run_log/run_log.h"
#include "ui/about_dlg/about_dlg_win32.h"

namespace {

constexpr UINT kOpenAfterMs = 100;
constexpr UINT kKeepOpenMs = 12000;
constexpr auto kAnswerAfter = std::chrono::seconds(2);
const char kLinks[] = "[links]\r\nram=http://www.tervane.example/buy\r\n";

std::function<void()> gOnOpen;
std::function<void()> gOnClose;

void CALLBACK OpenTick(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gOnOpen();
}

void CALLBACK CloseTick(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gOnClose();
}

HWND CreateMainWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "GrabberModalTestMain";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600, 400,
                         nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

TEST(FileGrabberModalWin32Test, TheLinksFileArrivesWhileTheAboutDialogIsOpen) {
  TTestServer site([](TTestConnection& connection) {
    if (connection.ReadRequest().empty()) return;
    std::this_thread::sleep_for(kAnswerAfter);
    connection.Send(Answer("200 OK", kLinks));
    connection.WaitForClose();
  });
  HWND main = CreateMainWindow();
  ASSERT_TRUE(main);
  TAboutDlg* about = TAboutDlg::Create(main);
  TempFolder folder;
  const std::filesystem::path target = folder.File("modulix.ini");
  TRunLog log(folder.File("Modulix.log"), false, 10000);
  TFileGrabber grabber(&log);

  bool opened = false, doneWhileOpen = false;
  std::optional<std::string> fileWhileOpen;
  std::vector<std::string> logWhileOpen;
  gOnOpen = [&] {
    opened = true;
    SetTimer(nullptr, 0, kKeepOpenMs, CloseTick);
    about->ShowAbout();  // its own modal loop, for 12 s
  };
  gOnClose = [&] {
    fileWhileOpen = ReadFileText(target);
    logWhileOpen = LevelsAndMessages(log.Lines());
    PostMessageA(about->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  };
  SetTimer(nullptr, 0, kOpenAfterMs, OpenTick);
  grabber.Download(site.Url("/modulix/modulix.ini"), target, main,
                   [&](TFileGrabber*) { doneWhileOpen = IsWindowVisible(about->Handle()) != FALSE; });

  EXPECT_TRUE(opened);
  EXPECT_FALSE(IsWindowVisible(about->Handle()));  // Download returned after the dialog closed
  EXPECT_TRUE(doneWhileOpen);
  EXPECT_EQ(fileWhileOpen, std::optional<std::string>(kLinks));
  ASSERT_EQ(logWhileOpen.size(), 1u);
  EXPECT_EQ(logWhileOpen[0].rfind("Info: File downloaded in ", 0), 0u) << logWhileOpen[0];
  EXPECT_EQ(logWhileOpen[0].substr(logWhileOpen[0].size() - 2), "ms");
  EXPECT_EQ(LevelsAndMessages(log.Lines()), logWhileOpen);  // nothing more after the dialog
  DestroyWindow(main);
}
