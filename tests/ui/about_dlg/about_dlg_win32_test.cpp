#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "build_config.h"
#include "support/files/shell_open.h"
#include "common/window_test_support_win32.h"
#include "ui/about_dlg/about_dlg_win32.h"

namespace {
constexpr UINT kTimerDelay = 50;

struct TShown {
  std::string caption, appName, version;
  bool visible = false, ownerEnabled = true;
};

// What the dialog shows while it is up, and the dialog's controls as placed on it.
class AboutDlgTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "AboutTestMain";
    RegisterClassA(&wc);
    // Like the main window: 751 x 495 client at (198, 179). Kept for the whole suite: Wine is
    // slow to take top-level windows off a display without a window manager.
    RECT r{0, 0, 751, 495};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    Main = CreateWindowExA(0, wc.lpszClassName, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 198,
                           179, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           wc.hInstance, nullptr);
    About = TAboutDlg::Create(Main);
  }

  void TearDown() override { SetShellOpenHook(nullptr); }

  HWND Item(int id) const { return GetDlgItem(About->Handle(), id); }

  // Runs `during` from inside the dialog's modal loop (a timer's tick), then closes it by Ok.
  TShown ShowAndRecord(const std::function<void()>& during = [] {}) {
    static std::function<void()> action;
    static TShown shown;
    shown = TShown{};
    action = [this, during] {
      shown = {WindowText(About->Handle()), WindowText(Item(TAboutDlg::kIdAppName)),
               WindowText(Item(TAboutDlg::kIdVersion)), IsWindowVisible(About->Handle()) != FALSE,
               IsWindowEnabled(Main) != FALSE};
      during();
    };
    SetTimer(nullptr, 0, kTimerDelay, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      action();
    });
    About->ShowAbout();
    return shown;
  }

  void CloseByOk() { PostMessageA(About->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

  RECT PlaceOf(int id) const {
    RECT r;
    GetWindowRect(Item(id), &r);
    MapWindowPoints(nullptr, About->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  static HWND Main;
  static TAboutDlg* About;
};

HWND AboutDlgTest::Main = nullptr;
TAboutDlg* AboutDlgTest::About = nullptr;

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }
bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
}  // namespace

TEST_F(AboutDlgTest, ShownTwiceGivesTheSameTextsWhileTheOwnerWaits) {
  EXPECT_FALSE(IsWindowVisible(About->Handle()));  // created hidden
  for (int showing = 0; showing < 2; ++showing) {
    SCOPED_TRACE(showing);
    const TShown shown = ShowAndRecord([this] { CloseByOk(); });
    EXPECT_TRUE(shown.visible);
    EXPECT_FALSE(shown.ownerEnabled);  // modal
    EXPECT_EQ(shown.caption, "About Modulix");
    EXPECT_EQ(shown.appName, "Application Name : Modulix");
    EXPECT_EQ(shown.version, "Version : 2.7.0.13");
    EXPECT_FALSE(IsWindowVisible(About->Handle()));
    EXPECT_TRUE(IsWindowEnabled(Main));
  }
}

TEST_F(AboutDlgTest, TextsComeFromTheStorage) {
  About->TS_about().SetItems({"A propos de", "Nom de l'application :", "unused"});
  const TShown shown = ShowAndRecord([this] { CloseByOk(); });
  EXPECT_EQ(shown.caption, "A propos de Modulix");
  EXPECT_EQ(shown.appName, "Nom de l'application : Modulix");
  EXPECT_EQ(shown.version, "Version : 2.7.0.13");
  About->TS_about().SetItems({"About", "Application Name :", "Version :"});
}

TEST_F(AboutDlgTest, EscEnterAndTheCloseBoxCloseIt) {
  const std::vector<std::function<void()>> closers = {
      [this] { PostMessageA(Item(TAboutDlg::kIdOk), WM_KEYDOWN, VK_ESCAPE, 0); },
      [this] { PostMessageA(Item(TAboutDlg::kIdOk), WM_KEYDOWN, VK_RETURN, 0); },
      [this] { PostMessageA(About->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (const auto& close : closers) {
    ShowAndRecord(close);  // returning at all is the test
    EXPECT_FALSE(IsWindowVisible(About->Handle()));
    EXPECT_TRUE(IsWindowEnabled(Main));
    EXPECT_TRUE(IsWindow(About->Handle()));  // hidden, not destroyed
  }
  HWND focusedWhileShown = nullptr;
  ShowAndRecord([&] {
    focusedWhileShown = GetFocus();
    CloseByOk();
  });
  EXPECT_EQ(focusedWhileShown, Item(TAboutDlg::kIdOk));  // Ok is where Enter goes
}

TEST_F(AboutDlgTest, LinkButtonsOpenTheMakersAddressesWithTheDialogAsParent) {
  std::vector<ShellRequest> opened;
  SetShellOpenHook([&](const ShellRequest& r) {
    opened.push_back(r);
    return true;
  });
  auto clickAll = [this] {
    for (int id : {TAboutDlg::kIdEmail, TAboutDlg::kIdWeb, TAboutDlg::kIdForum})
      SendMessageA(Item(id), BM_CLICK, 0, 0);
    CloseByOk();
  };
  _putenv("MODULIX_SITE_URL=");
  ShowAndRecord(clickAll);
  _putenv("MODULIX_SITE_URL=http://127.0.0.1:8080");
  ShowAndRecord(clickAll);
  _putenv("MODULIX_SITE_URL=");

  ASSERT_EQ(opened.size(), 6u);
  const std::string site = MODULIX_DEFAULT_SITE_URL;
  const std::vector<std::string> expected = {
      std::string("mailto:") + MODULIX_CONTACT_EMAIL, site, site + "/forum",
      std::string("mailto:") + MODULIX_CONTACT_EMAIL, "http://127.0.0.1:8080",
      "http://127.0.0.1:8080/forum"};
  for (size_t i = 0; i < opened.size(); ++i) {
    EXPECT_EQ(opened[i].target, expected[i]);
    EXPECT_EQ(opened[i].parentWindow, About->Handle());
    EXPECT_FALSE(opened[i].viaShellExecuteEx);
  }
}

TEST_F(AboutDlgTest, WindowAndControlsFollowTheLayout) {
  ShowAndRecord([this] { CloseByOk(); });
  RECT client, frame, owner;
  GetClientRect(About->Handle(), &client);
  EXPECT_EQ(client.right, 389);
  EXPECT_EQ(client.bottom, 285);
  GetWindowRect(About->Handle(), &frame);
  GetWindowRect(Main, &owner);
  EXPECT_NEAR(frame.left + frame.right, owner.left + owner.right, 1);  // centred
  EXPECT_NEAR(frame.top + frame.bottom, owner.top + owner.bottom, 1);
  const LONG style = GetWindowLongA(About->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(About->Handle(), GW_OWNER), Main);
  EXPECT_NE(SendMessageA(About->Handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(About->Handle(), WM_GETICON, ICON_SMALL, 0), 0);

  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdBanner), At(0, 0, 388, 96)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdAllGroup), At(1, 97, 384, 184)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdApplicationGroup), At(6, 109, 249, 53)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdMakerGroup), At(261, 109, 113, 117)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdEmail), At(269, 125, 97, 28)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdWeb), At(269, 157, 97, 28)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdForum), At(269, 189, 97, 28)));
  EXPECT_TRUE(Same(PlaceOf(TAboutDlg::kIdOk), At(275, 236, 81, 33)));
  EXPECT_EQ(PlaceOf(TAboutDlg::kIdAppName).left, 14);
  EXPECT_EQ(PlaceOf(TAboutDlg::kIdAppName).top, 125);
  EXPECT_EQ(PlaceOf(TAboutDlg::kIdVersion).top, 141);

  const std::vector<std::pair<int, std::string>> captions = {
      {TAboutDlg::kIdApplicationGroup, "Application"}, {TAboutDlg::kIdMakerGroup, "Tervane"},
      {TAboutDlg::kIdEmail, "Email"}, {TAboutDlg::kIdWeb, "Web Site"},
      {TAboutDlg::kIdForum, "Forums"}, {TAboutDlg::kIdOk, "Ok"}, {TAboutDlg::kIdAllGroup, ""}};
  for (const auto& [id, caption] : captions) EXPECT_EQ(WindowText(Item(id)), caption);

  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Item(TAboutDlg::kIdOk), WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);
  BITMAP banner{};
  GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(Item(TAboutDlg::kIdBanner), STM_GETIMAGE,
                                                    IMAGE_BITMAP, 0)),
             sizeof(banner), &banner);
  EXPECT_EQ(banner.bmWidth, 388);
  EXPECT_EQ(banner.bmHeight, 96);
}

TEST_F(AboutDlgTest, QuitDuringTheDialogEndsItAndReachesTheMainLoop) {
  ShowAndRecord([] { PostQuitMessage(7); });
  EXPECT_FALSE(IsWindowVisible(About->Handle()));
  EXPECT_TRUE(IsWindowEnabled(Main));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}
