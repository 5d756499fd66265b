#include "ui/startup_win32.h"

#include "ui/main_dlg_win32.h"

void RunStartupSequence(TMainDlg&) {}
