// Button and timer handlers whose features are not wired yet.
#include "ui/main_dlg_win32.h"

void TMainDlg::Mem_tmrTimer() {}
