// The main window after a slot scan on fixture machines: what the panels show, read back from
// the real controls.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/wmi/wmi_provider.h"
#include "ui/error_box_win32.h"
#include "ui/main_dlg_win32.h"
#include "ui/slot_panels_win32.h"
#include "win32_test_support.h"

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

}  // namespace

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
