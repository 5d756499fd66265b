// Builds the components of the main window at their design places.
#include <string>

#include "ui/main_window/banner_panel_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/main_custom_controls_win32.h"
#include "ui/shared/resource_ids.h"
#include "ui/shared/standard_controls_win32.h"

namespace {
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kSlotLeft[4] = {8, 8, 376, 376};
constexpr int kSlotTop[4] = {96, 262, 96, 262};
}  // namespace

struct MainLayoutBuilder {
  TMainDlg& d;
  HFONT font;
  HFONT bold;

  void Banner() {
    d.top_pnl = CreateBannerPanel(d.Handle_, -12, 0, 764, 57);
    d.Image1 = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 24, 8, 32, 32,
                               d.top_pnl, nullptr, nullptr, nullptr);
    d.image1Icon_ = static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIdiMain), IMAGE_ICON, 32, 32, 0));
    SendMessageA(d.Image1, STM_SETICON, reinterpret_cast<WPARAM>(d.image1Icon_), 0);
    d.Label2 = CreateLabel(d.top_pnl, 63, 10, "Modulix", bold);
    SetBannerTextColor(d.Label2, kSilver);
    d.subtitle_lbl = CreateLabel(d.top_pnl, 64, 26, "Memory details at your finger tips", font);
    SetBannerTextColor(d.subtitle_lbl, kWhite);
    d.drivers_btn = CreateDriversButton(d.top_pnl, 608, 8, 137, 41, d.ImageList96, font);
  }

  void SystemGroups() {
    d.general_grp = CreateGroup(d.Handle_, 2, 61, 743, 430, "General", font);
    d.system_grp = CreateGroup(d.general_grp, 8, 12, 147, 81, "System Info.", font);
    d.slots_lbl = CreateLabel(d.system_grp, 8, 19, "Number of slots :", font);
    d.curmem_lbl = CreateLabel(d.system_grp, 8, 35, "Current memory :", font);
    d.maxmem_lbl = CreateLabel(d.system_grp, 8, 51, "Maximum memory :", font);
    d.GroupBox2 = CreateGroup(d.general_grp, 160, 12, 209, 81, "Physical Memory.", font);
    d.phyused_lbl = CreateLabel(d.GroupBox2, 8, 19, "Used :", font);
    d.phytot_lbl = CreateLabel(d.GroupBox2, 8, 35, "Available :", font);
    d.scope = CreateMemoryScope(d.GroupBox2, 115, 10, 89, 65);
  }

  void SlotPanel(int i) {
    HWND group = CreateGroup(d.general_grp, kSlotLeft[i], kSlotTop[i], 361, 161,
                             "Slot " + std::to_string(i + 1), font);
    d.slot_grp[i] = group;
    // A new child goes under its siblings: created top first, the list lies above the
    // empty-slot button, which lies above the search button, with no reordering afterwards.
    d.lst[i] = CreateTwoColumnList(group, kIdList1 + i, 7, 16, 266, 137, font);
    d.getRAM_btn[i] = CreateEmptySlotButton(group, kIdGetRam1 + i, 8, 16, 345, 137,
                                            d.ImageList96, font);
    d.getSpec_btn[i] = CreateModuleSearchButton(group, kIdGetSpec1 + i, 280, 16, 73, 89, font);
  }
};

void TMainDlg::CreateComponents() {
  ImageList96 = CreateMainImageList();
  MainLayoutBuilder builder{*this, font_, boldFont_};
  builder.Banner();
  builder.SystemGroups();
  for (int i = 0; i < 4; ++i) builder.SlotPanel(i);
}
