#pragma once
// Puts the result of a slot scan on the main window's panels.
#include <windows.h>

#include <string>

class TMainDlg;
struct SlotScanState;

// Applies the stages the scan reached (see SlotScanState): after an error the window keeps what
// was shown before it and the rest as laid out.
void ApplySlotScan(TMainDlg& dlg, const SlotScanState& state);

// Sets every column of a list view to fit both its header and its contents.
void AutoSizeColumns(HWND list);

// The text of one cell of a report-style list view (empty when there is no such cell).
std::string ListCellText(HWND list, int row, int column);
