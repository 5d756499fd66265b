// The main window after a slot scan on fixture machines: what the panels show, read back from
// the real controls.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/wmi/wmi_provider.h"
#include "report/format/report_document.h"
#include "report/report_source.h"
#include "ui/report_window/report_window_win32.h"
#include "ui/shared/error_box_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/slot_panels_win32.h"
#include "common/window_test_support_win32.h"

using namespace std::chrono_literals;

namespace {

class SlotPanelsTest : public ::testing::Test {
 protected:
  void Scan(const std::string& fixture) {
    SetDefaultWmiProvider(MakeJsonFixtureProvider(TestDataPath(fixture)));
    SetErrorBoxHook([this](const std::string& text) { errors_.push_back(text); });
    dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg& d) { d.ScanSlots(); });
    SendMessageA(dlg_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  }
  void TearDown() override {
    delete dlg_;
    SetDefaultWmiProvider(nullptr);
    SetErrorBoxHook(nullptr);
  }
  std::vector<std::string> Column(int panel, int column) {
    std::vector<std::string> cells;
    const int rows = ListView_GetItemCount(dlg_->lst[panel]);
    for (int r = 0; r < rows; ++r) cells.push_back(ListCellText(dlg_->lst[panel], r, column));
    return cells;
  }
  bool Visible(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }
  int OuterWidth() {
    RECT rc;
    GetWindowRect(dlg_->Handle(), &rc);
    return rc.right - rc.left;
  }

  TMainDlg* dlg_ = nullptr;
  std::vector<std::string> errors_;
};

TEST_F(SlotPanelsTest, TwoModulesInFourSlots) {
  Scan("wmi_4dev_2mod.json");
  ASSERT_TRUE(errors_.empty());
  const std::vector<std::string> labels = {"Slot Name", "Capacity", "Manufacturer",
                                           "Model",     "Type",     "Serial#"};
  EXPECT_EQ(Column(0, 0), labels);
  EXPECT_EQ(Column(0, 1), (std::vector<std::string>{"DIMM1", "4 GB", "Kingston",
                                                    "9905471-002.A00LF", "DDR3 / PC3-10664",
                                                    "1A2B3C4D"}));
  EXPECT_EQ(Column(1, 1)[2], "Samsung");
  EXPECT_EQ(WindowText(dlg_->slots_lbl), "Number of slots : 4");
  EXPECT_EQ(WindowText(dlg_->curmem_lbl), "Current memory : 12 GB");
  EXPECT_EQ(WindowText(dlg_->maxmem_lbl), "Maximum memory : 32 GB");
  EXPECT_TRUE(Visible(dlg_->maxmem_lbl));
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Visible(dlg_->lst[i]));
    EXPECT_FALSE(Visible(dlg_->getRAM_btn[i]));
    EXPECT_TRUE(Visible(dlg_->getSpec_btn[i]));
    EXPECT_TRUE(IsWindowEnabled(dlg_->getSpec_btn[i]));
  }
  for (int i = 2; i < 4; ++i) {
    EXPECT_FALSE(Visible(dlg_->lst[i]));
    EXPECT_TRUE(Visible(dlg_->getRAM_btn[i]));
    EXPECT_FALSE(Visible(dlg_->getSpec_btn[i]));
    EXPECT_TRUE(IsWindowEnabled(dlg_->slot_grp[i]));
  }
  EXPECT_GT(OuterWidth(), 700);
  // The columns were sized to their contents: the value column shows the whole type text.
  EXPECT_GT(ListView_GetColumnWidth(dlg_->lst[0], 1), 90);
}

// The report window describes the inventory the scan read, even when the source has changed
// since (the machine's firmware tables or WMI would otherwise be read a second time).
TEST_F(SlotPanelsTest, TheReportWindowDescribesWhatTheScanRead) {
  Scan("wmi_4dev_2mod.json");
  SetDefaultWmiProvider(MakeJsonFixtureProvider(TestDataPath("wmi_8dev_5mod.json")));
  dlg_->Memoryreport1Click();
  ASSERT_NE(TReportDlg::Current(), nullptr);
  const std::string shown = TReportDlg::Current()->Report().human;
  DestroyWindow(TReportDlg::Current()->Handle());
  EXPECT_EQ(shown, MakeReportDocument(LoadFixtureInventory(TestDataPath("wmi_4dev_2mod.json"))).human);
  EXPECT_NE(shown.find("\nModule 2\n"), std::string::npos);
  EXPECT_EQ(shown.find("\nModule 3\n"), std::string::npos);
}

TEST_F(SlotPanelsTest, TwoSlotsNarrowTheWindowAndFillHiddenPanels) {
  Scan("wmi_2dev_4mod.json");
  EXPECT_EQ(OuterWidth(), 387);
  EXPECT_TRUE(IsWindowEnabled(dlg_->slot_grp[1]));
  EXPECT_FALSE(IsWindowEnabled(dlg_->slot_grp[2]));
  EXPECT_FALSE(IsWindowEnabled(dlg_->slot_grp[3]));
  EXPECT_EQ(ListView_GetItemCount(dlg_->lst[3]), 6);  // filled, although out of sight
  // The right-anchored controls followed the new right edge.
  RECT client, group;
  GetClientRect(dlg_->Handle(), &client);
  GetClientRect(dlg_->general_grp, &group);
  EXPECT_EQ(group.right, client.right - 2 - 6);
}

TEST_F(SlotPanelsTest, UnknownMakerShowsNotAvailableAndDisablesTheSearch) {
  Scan("wmi_na_maker.json");
  EXPECT_EQ(Column(0, 1)[2], "N/A");
  EXPECT_EQ(Column(0, 1)[3], "N/A");
  EXPECT_EQ(Column(0, 1)[5], "N/A");
  EXPECT_TRUE(Visible(dlg_->getSpec_btn[0]));
  EXPECT_FALSE(IsWindowEnabled(dlg_->getSpec_btn[0]));
}

TEST_F(SlotPanelsTest, FailedQueriesDisableEveryPanel) {
  Scan("wmi_no_array_class.json");
  EXPECT_EQ(WindowText(dlg_->slots_lbl), "Number of slots : 0");
  EXPECT_EQ(WindowText(dlg_->maxmem_lbl), "Maximum memory : 0 GB");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(IsWindowEnabled(dlg_->slot_grp[i]));
  EXPECT_EQ(OuterWidth(), 387);
}

// What a scan may change on the window, to compare before and after.
struct WindowLook {
  std::string slots, curmem, maxmem;
  bool maxmemVisible;
  int width;
  struct Panel {
    bool enabled, list, emptySlot, spec, specEnabled;
    int rows;
    bool operator==(const Panel&) const = default;
  };
  std::array<Panel, 4> panels;
  bool operator==(const WindowLook&) const = default;
};

void PrintTo(const WindowLook& look, std::ostream* os) {
  *os << "{\"" << look.slots << "\", \"" << look.curmem << "\", \"" << look.maxmem << "\" "
      << (look.maxmemVisible ? "shown" : "hidden") << ", width " << look.width;
  for (const WindowLook::Panel& p : look.panels) {
    *os << "; panel enabled " << p.enabled << " list " << p.list << " rows " << p.rows
        << " empty-slot " << p.emptySlot << " search " << p.spec << " enabled " << p.specEnabled;
  }
  *os << "}";
}

class PartWayScanTest : public SlotPanelsTest {
 protected:
  // Creates the window for the fixture, then runs the scan: look before, look after.
  std::pair<WindowLook, WindowLook> ScanStoppedByAnError(const std::string& fixture) {
    SetDefaultWmiProvider(MakeJsonFixtureProvider(TestDataPath(fixture)));
    SetErrorBoxHook([this](const std::string& text) { errors_.push_back(text); });
    dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg& d) { d.ScanSlots(); });
    const WindowLook before = Look();
    SendMessageA(dlg_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(errors_.size(), 1u);  // the standard box, once
    return {before, Look()};
  }
  WindowLook Look() {
    WindowLook look{WindowText(dlg_->slots_lbl), WindowText(dlg_->curmem_lbl),
                    WindowText(dlg_->maxmem_lbl), Visible(dlg_->maxmem_lbl), OuterWidth(), {}};
    for (int i = 0; i < 4; ++i) {
      look.panels[i] = {IsWindowEnabled(dlg_->slot_grp[i]) != FALSE, Visible(dlg_->lst[i]),
                        Visible(dlg_->getRAM_btn[i]), Visible(dlg_->getSpec_btn[i]),
                        IsWindowEnabled(dlg_->getSpec_btn[i]) != FALSE,
                        ListView_GetItemCount(dlg_->lst[i])};
    }
    return look;
  }
};

TEST_F(PartWayScanTest, AModuleThatCannotBeReadKeepsWhatWasShown) {
  const auto [before, after] = ScanStoppedByAnError("wmi_bad_second_module.json");
  // Labels and panels of the array pass, and the first module's list; nothing else moved.
  WindowLook expected = before;
  expected.slots = "Number of slots : 4";
  expected.maxmem = "Maximum memory : 8 GB";
  expected.panels[0].rows = 6;
  EXPECT_EQ(after, expected);
  EXPECT_EQ(Column(0, 1)[0], "DIMM0");
  EXPECT_TRUE(after.panels[0].spec);  // the module read keeps its search button
  EXPECT_EQ(after.curmem, "Current memory :");
}

TEST_F(PartWayScanTest, AnArrayThatCannotBeReadChangesNothing) {
  const auto [before, after] = ScanStoppedByAnError("wmi_bad_second_array.json");
  EXPECT_EQ(after, before);
  EXPECT_EQ(after.slots, "Number of slots :");
}

}  // namespace
