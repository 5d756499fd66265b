#include "ui/main_window/slot_panels_win32.h"

#include <commctrl.h>

#include <vector>

#include "ui/main_window/main_dlg_win32.h"
#include "window_model/slot_scan.h"
#include "ui/shared/standard_controls_win32.h"

namespace {

void SetColumnCaption(HWND list, int column, const char* caption) {
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT;
  col.pszText = const_cast<char*>(caption);
  SendMessageA(list, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&col));
}

void FillList(HWND list, const std::vector<std::pair<std::string, std::string>>& rows) {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  SetColumnCaption(list, 0, "Parameter");
  SetColumnCaption(list, 1, "Value");
  for (size_t i = 0; i < rows.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(rows[i].first.c_str());
    const int index = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0,
                                                    reinterpret_cast<LPARAM>(&item)));
    LVITEMA value{};
    value.iSubItem = 1;
    value.pszText = const_cast<char*>(rows[i].second.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&value));
  }
  AutoSizeColumns(list);
}

void ShowPanelParts(TMainDlg& dlg, int i, const SlotPanelState& panel) {
  ShowWindow(dlg.lst[i], panel.listVisible ? SW_SHOW : SW_HIDE);
  ShowWindow(dlg.getRAM_btn[i], panel.emptySlotButtonVisible ? SW_SHOW : SW_HIDE);
  ShowWindow(dlg.getSpec_btn[i], panel.specButtonVisible ? SW_SHOW : SW_HIDE);
  EnableWindow(dlg.getSpec_btn[i], panel.specButtonEnabled);
}

void NarrowWindow(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  SetWindowPos(window, nullptr, 0, 0, kNarrowWindowWidth, rc.bottom - rc.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void AutoSizeColumns(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int c = 0; c < columns; ++c) {
    SendMessageA(list, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE_USEHEADER);
  }
}

std::string ListCellText(HWND list, int row, int column) {
  char buffer[1024] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// Only the stages the scan reached: a scan stopped by an error keeps what it had shown and
// leaves the rest as it was.
void ApplySlotScan(TMainDlg& dlg, const SlotScanState& state) {
  // Every label, list and button below would draw itself as it changes; the panels are drawn
  // once, filled.
  DrawingDeferred panels(dlg.general_grp);
  if (state.arrayPassDone) {
    SetLabelCaption(dlg.slots_lbl, state.slotsLabel);
    SetLabelCaption(dlg.maxmem_lbl, state.maxmemLabel);
    for (int i = 0; i < kSlotPanelCount; ++i)
      EnableWindow(dlg.slot_grp[i], state.panels[i].groupEnabled);
    if (state.narrowWindow) NarrowWindow(dlg.Handle());
  }
  for (int i = 0; i < kSlotPanelCount; ++i) {
    if (!state.panels[i].rows.empty()) FillList(dlg.lst[i], state.panels[i].rows);
  }
  if (state.finished) {
    for (int i = 0; i < kSlotPanelCount; ++i) ShowPanelParts(dlg, i, state.panels[i]);
    SetLabelCaption(dlg.curmem_lbl, state.curmemLabel);
    ShowWindow(dlg.maxmem_lbl, state.maxmemVisible ? SW_SHOW : SW_HIDE);
  }
  for (HWND group : dlg.slot_grp) InvalidateRect(group, nullptr, TRUE);
}
