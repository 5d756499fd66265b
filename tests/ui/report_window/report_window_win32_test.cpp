// The report window under Wine: opened from the main window's menu and Ctrl+R, its text, Copy,
// Save, keyboard use, resizing, and one window at a time.
#include <windows.h>
#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>
#include <vector>

#include "report/format/report_document.h"
#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/report_window/report_clipboard_win32.h"
#include "ui/report_window/report_save_win32.h"
#include "ui/report_window/report_window_layout.h"
#include "ui/report_window/report_window_text.h"
#include "ui/report_window/report_window_win32.h"
#include "common/file_text.h"
#include "common/temp_folder.h"
#include "common/window_test_support_win32.h"

using namespace std::chrono_literals;

namespace {

constexpr char kFixtureMachine[] = "report_desktop_win10";

std::string ReadWholeFile(const std::wstring& path) { return ReadFileText(path).value_or(""); }
std::string ReadTestData(const std::string& name) { return ReadFileText(TestDataPath(name)).value_or(""); }

std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

int CountReportWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) {
        char name[32];
        GetClassNameA(window, name, sizeof(name));
        if (std::string(name) == "TReportDlg") ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// A folder of its own under the temporary folder, with a name outside the ANSI code page.
const wchar_t kFolderName[] = L"rapport \u00e9t\u00e9 \u65e5\u672c";

std::wstring In(const TempFolder& folder, const wchar_t* name) { return folder.File(name).wstring(); }

class ReportWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The CRT's copy of the environment is what the inventory reads.
    _putenv_s("MODULIX_WMI_FIXTURE", TestDataPath(std::string(kFixtureMachine) + ".json").c_str());
    dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg&) {});
    SetErrorBoxHook([this](const std::string& text) { errors_.push_back(text); });
    ShowWindow(dlg_->Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(dlg_->Handle());
    PumpFor(100ms);
  }
  void TearDown() override {
    SetReportSaveChooser(nullptr);
    SetErrorBoxHook(nullptr);
    delete dlg_;
    PumpFor(50ms);
    _putenv_s("MODULIX_WMI_FIXTURE", "");
  }
  bool Pump(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s) {
    return PumpUntil(done, limit, [this](MSG& m) { return dlg_->PreTranslate(m); });
  }
  void Settle() { Pump([] { return false; }, 100ms); }
  // Ctrl+R typed into the main window, until a report window is in front.
  TReportDlg* OpenWithCtrlR() {
    SetForegroundWindow(dlg_->Handle());
    SetFocus(dlg_->lst[0]);
    Settle();
    PressKeys({VK_CONTROL}, 'R');
    Pump([] {
      return TReportDlg::Current() && GetForegroundWindow() == TReportDlg::Current()->Handle();
    });
    return TReportDlg::Current();
  }
  HWND Item(int id) { return GetDlgItem(TReportDlg::Current()->Handle(), id); }

  TMainDlg* dlg_ = nullptr;
  std::vector<std::string> errors_;
};

TEST_F(ReportWindowTest, TheFileMenuHasTheReportItemBeforeQuit) {
  HMENU file = GetSubMenu(GetMenu(dlg_->Handle()), 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  char text[64];
  GetMenuStringA(file, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "Memory &report...\tCtrl+R");
  EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(kIdReport));
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  GetMenuStringA(file, 2, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&Quit\tCtrl+Q");
}

TEST_F(ReportWindowTest, CtrlROpensTheReportOfTheMachine) {
  TReportDlg* report = OpenWithCtrlR();
  ASSERT_NE(report, nullptr);
  HWND window = report->Handle();
  EXPECT_EQ(WindowText(window), "Memory report - Modulix");
  EXPECT_EQ(GetWindow(window, GW_OWNER), dlg_->Handle());
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME);

  // What modulix-report prints for the same fixture, with the line ends of the control.
  const std::string expected =
      WithCrLf(ReadTestData(std::string(kFixtureMachine) + ".expected.txt"));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdReportText)), expected);
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdReportText)), WithCrLf(MakeDefaultReport().human));
  EXPECT_TRUE(errors_.empty());

  HWND text = Item(TReportDlg::kIdReportText);
  const LONG style = GetWindowLongA(text, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  HDC dc = GetDC(text);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(text, dc);
  EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "the flag set means variable pitch";
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdCopy)), "&Copy");
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdSave)), "&Save...");
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdClose)), "Close");
}

TEST_F(ReportWindowTest, ASecondCtrlRBringsTheSameWindowForward) {
  TReportDlg* first = OpenWithCtrlR();
  ASSERT_NE(first, nullptr);
  HWND window = first->Handle();
  SetFocus(Item(TReportDlg::kIdSave));
  SetForegroundWindow(dlg_->Handle());
  Pump([&] { return GetForegroundWindow() == dlg_->Handle(); });
  ASSERT_EQ(GetForegroundWindow(), dlg_->Handle());
  EXPECT_EQ(OpenWithCtrlR(), first);
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_EQ(CountReportWindows(), 1);
  EXPECT_EQ(GetFocus(), Item(TReportDlg::kIdSave)) << "the focus comes back where it was";
}

TEST_F(ReportWindowTest, TheMenuItemOpensTheWindow) {
  // Alt+F opens the File menu, R picks "Memory &report...". Both go in at once: the menu's own
  // loop reads the second.
  SetForegroundWindow(dlg_->Handle());
  Settle();
  PressKeys({VK_MENU}, 'F');
  PressKeys({}, 'R');
  EXPECT_TRUE(Pump([] { return TReportDlg::Current() != nullptr; }));
  EXPECT_EQ(CountReportWindows(), 1);
}

// Another thread holds the clipboard open, as clipboard history does after each change.
TEST_F(ReportWindowTest, CopyWaitsForABriefClipboardHolderAndGivesUpOnALongOne) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  const std::string shown = WindowText(Item(TReportDlg::kIdReportText));
  const ClipboardOps saved = CurrentClipboardOps();
  for (const int letGoAtPause : {1, kClipboardOpenAttempts - 1, 0 /* never */}) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    errors_.clear();
    std::promise<void> held, letGo;
    std::thread holder([&] {
      OpenClipboard(nullptr);
      held.set_value();
      letGo.get_future().wait();
      CloseClipboard();
    });
    held.get_future().wait();
    const auto release = [&] {
      letGo.set_value();
      holder.join();
    };
    int pauses = 0;
    CurrentClipboardOps().wait = [&](DWORD) {
      if (++pauses == letGoAtPause) release();
    };
    SendMessageA(Item(TReportDlg::kIdCopy), BM_CLICK, 0, 0);
    if (holder.joinable()) release();
    EXPECT_EQ(pauses, letGoAtPause ? letGoAtPause : kClipboardOpenAttempts - 1);
    EXPECT_EQ(ClipboardText(), letGoAtPause ? shown : "");
    EXPECT_EQ(errors_.size(), letGoAtPause ? 0u : 1u);
  }
  CurrentClipboardOps() = saved;
}

TEST_F(ReportWindowTest, CopyPutsTheWholeTextOnTheClipboard) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  SendMessageA(Item(TReportDlg::kIdCopy), BM_CLICK, 0, 0);
  const std::string shown = WindowText(Item(TReportDlg::kIdReportText));
  EXPECT_EQ(ClipboardText(), shown);
  EXPECT_NE(shown.find("\r\nModule 2\r\n"), std::string::npos);
  EXPECT_TRUE(errors_.empty());
}

// Names outside the ANSI code page reach the text box and the clipboard's Unicode text whole.
TEST_F(ReportWindowTest, NamesOutsideTheCodePageKeepTheirCharacters) {
  _putenv_s("MODULIX_WMI_FIXTURE", TestDataPath("wmi_non_ascii_names.json").c_str());
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  HWND text = Item(TReportDlg::kIdReportText);
  std::wstring shown(static_cast<size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
  shown.resize(static_cast<size_t>(GetWindowTextW(text, shown.data(), static_cast<int>(shown.size()))));
  SendMessageA(Item(TReportDlg::kIdCopy), BM_CLICK, 0, 0);
  std::wstring copied;
  ASSERT_TRUE(OpenClipboard(nullptr));
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    copied = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  for (const wchar_t* name : {L"Steckplatz \u00dc1", L"M\u00fcller \u4e09\u661f"}) {
    EXPECT_NE(shown.find(name), std::wstring::npos);
    EXPECT_NE(copied.find(name), std::wstring::npos);
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(ReportWindowTest, SaveWritesTheTextOrTheJsonAsChosen) {
  TReportDlg* report = OpenWithCtrlR();
  ASSERT_NE(report, nullptr);
  TempFolder folder(kFolderName);
  TReportSaveChoice choice;
  SetReportSaveChooser([&](HWND owner) {
    EXPECT_EQ(owner, report->Handle());
    return std::optional<TReportSaveChoice>(choice);
  });
  choice = {In(folder, L"m\u00e9moire.txt"), TReportFileType::Text};
  SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
  choice = {In(folder, L"m\u00e9moire.json"), TReportFileType::Json};
  SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
  EXPECT_TRUE(errors_.empty());

  EXPECT_EQ(ReadWholeFile(In(folder, L"m\u00e9moire.txt")),
            WindowText(Item(TReportDlg::kIdReportText)));
  const std::string json = ReadWholeFile(In(folder, L"m\u00e9moire.json"));
  EXPECT_EQ(json, ReadTestData(std::string(kFixtureMachine) + ".expected.json"));
  EXPECT_EQ(json, report->Report().json);
  EXPECT_EQ(folder.Names().size(), 2u) << "a temporary file was left behind";

  // Saving over an existing report replaces it whole.
  choice = {In(folder, L"m\u00e9moire.json"), TReportFileType::Text};
  SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
  EXPECT_EQ(ReadWholeFile(In(folder, L"m\u00e9moire.json")),
            WindowText(Item(TReportDlg::kIdReportText)));
  EXPECT_EQ(folder.Names().size(), 2u);
}

// The real dialog, whose library the program loads only now: it shows, and Cancel chooses nothing.
TEST_F(ReportWindowTest, TheSaveDialogOpensAndCancellingItChoosesNothing) {
  static HWND shown;
  shown = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          char name[16] = {};
          GetClassNameA(window, name, sizeof name);
          if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
          shown = window;
          PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
          return FALSE;
        },
        0);
  });
  const auto choice = ChooseReportFile(dlg_->Handle());
  KillTimer(nullptr, timer);
  EXPECT_NE(shown, nullptr) << "no save dialog was shown";
  EXPECT_FALSE(choice.has_value());
}

TEST_F(ReportWindowTest, AFailedSaveSaysSoAndLeavesNothingBehind) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  TempFolder folder(kFolderName);
  // A folder where the file should go: the temporary file is written, the rename fails.
  const std::wstring inTheWay = In(folder, L"in the way.txt");
  CreateDirectoryW(inTheWay.c_str(), nullptr);
  std::wstring target;
  SetReportSaveChooser([&](HWND) {
    return std::optional<TReportSaveChoice>({target, TReportFileType::Text});
  });
  for (const std::wstring& path : {In(folder, L"no such folder\\report.txt"), inTheWay}) {
    target = path;
    errors_.clear();
    SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
    ASSERT_EQ(errors_.size(), 1u) << (path == inTheWay ? "folder in the way" : "missing folder");
    EXPECT_EQ(errors_[0].rfind("The report could not be saved to ", 0), 0u) << errors_[0];
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"in the way.txt"}) << "a temporary file was left behind";
  EXPECT_TRUE(RemoveDirectoryW(inTheWay.c_str()));

  // A cancelled dialog writes nothing and says nothing.
  errors_.clear();
  SetReportSaveChooser([](HWND) { return std::optional<TReportSaveChoice>(); });
  SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(ReportWindowTest, AnUnreadableInventoryShowsTheReportsOwnErrorText) {
  _putenv_s("MODULIX_WMI_FIXTURE", TestDataPath("no_such_machine.json").c_str());
  const ReportDocument unreadable = MakeDefaultReport();
  ASSERT_FALSE(unreadable.readable);
  ASSERT_FALSE(unreadable.human.empty());
  // Before the start-up has run, as here: the window reads the inventory itself.
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  EXPECT_EQ(WindowText(Item(TReportDlg::kIdReportText)), WithCrLf(unreadable.human));
  EXPECT_TRUE(errors_.empty());

  // There is no JSON to save; saying so once is all.
  TempFolder folder(kFolderName);
  SetReportSaveChooser([&](HWND) {
    return std::optional<TReportSaveChoice>({In(folder, L"r.json"), TReportFileType::Json});
  });
  SendMessageA(Item(TReportDlg::kIdSave), BM_CLICK, 0, 0);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ReportWindowTest, KeyboardTabsThroughTheControlsUsesMnemonicsAndEscCloses) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  HWND window = TReportDlg::Current()->Handle();
  EXPECT_EQ(GetFocus(), Item(TReportDlg::kIdReportText));
  const std::vector<int> order = {TReportDlg::kIdCopy, TReportDlg::kIdSave, TReportDlg::kIdClose,
                                  TReportDlg::kIdReportText};
  for (int id : order) {
    PressKeys({}, VK_TAB);
    EXPECT_TRUE(Pump([&] { return GetFocus() == Item(id); })) << "Tab to control " << id;
  }
  int saves = 0;
  SetReportSaveChooser([&](HWND) {
    ++saves;
    return std::optional<TReportSaveChoice>();
  });
  PressKeys({VK_MENU}, 'S');
  EXPECT_TRUE(Pump([&] { return saves == 1; })) << "Alt+S";
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  PressKeys({VK_MENU}, 'C');
  EXPECT_TRUE(Pump([&] { return !ClipboardText().empty(); })) << "Alt+C";

  SetFocus(Item(TReportDlg::kIdReportText));
  PressKeys({}, VK_ESCAPE);
  EXPECT_TRUE(Pump([&] { return !IsWindow(window); })) << "Esc";
  EXPECT_EQ(TReportDlg::Current(), nullptr);
  EXPECT_TRUE(IsWindow(dlg_->Handle()));
  // The next Ctrl+R opens a fresh window.
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  EXPECT_EQ(CountReportWindows(), 1);
}

TEST_F(ReportWindowTest, ResizingKeepsTheButtonsBottomRightAndHasAMinimum) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  HWND window = TReportDlg::Current()->Handle();
  SetWindowPos(window, nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
  RECT client;
  GetClientRect(window, &client);
  const TReportLayout layout = LayoutReportWindow(client.right, client.bottom);
  RECT close = RectInParent(Item(TReportDlg::kIdClose));
  EXPECT_EQ(close.right, client.right - kReportMargin);
  EXPECT_EQ(close.bottom, client.bottom - kReportMargin);
  RECT text = RectInParent(Item(TReportDlg::kIdReportText));
  EXPECT_EQ(text.right - text.left, layout.report.width);
  EXPECT_EQ(text.bottom - text.top, layout.report.height);

  SetWindowPos(window, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(window, &client);
  EXPECT_GE(client.right, kReportMinClientWidth);
  EXPECT_GE(client.bottom, kReportMinClientHeight);
  RECT copy = RectInParent(Item(TReportDlg::kIdCopy));
  EXPECT_GE(copy.left, 0);
}

TEST_F(ReportWindowTest, TheWindowGoesWithTheMainWindow) {
  ASSERT_NE(OpenWithCtrlR(), nullptr);
  HWND window = TReportDlg::Current()->Handle();
  delete dlg_;
  dlg_ = nullptr;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TReportDlg::Current(), nullptr);
  dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg&) {});  // for TearDown
}

}  // namespace
