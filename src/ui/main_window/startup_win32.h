#pragma once
class TMainDlg;

// The one-time start-up, run at the main window's first activation.
void RunStartupSequence(TMainDlg& dlg);
