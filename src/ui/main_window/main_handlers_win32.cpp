// Menu handlers and the destroy handler of the main window.
#include "support/download/file_grabber.h"
#include "support/files/shell_open.h"
#include "support/run_log/run_log.h"
#include "ui/main_window/about_hook_win32.h"
#include "ui/main_window/main_dlg_win32.h"
#include "report/format/report_document.h"
#include "report/report_source.h"
#include "ui/report_window/report_window_win32.h"

void TMainDlg::FormDestroy() {
  if (busy_ > 0) {
    releasePending_ = true;
    return;
  }
  ReleaseOwnedObjects();
}

void TMainDlg::AttachRunLog(std::unique_ptr<TRunLog> log) {
  constexpr int kError = 2;
  FLog = std::move(log);
  // A link with no browser or mail program behind it fails without a word from the shell.
  SetShellFailureLog([this](const std::string& line) {
    if (FLog) FLog->Add(line, kError);
  });
}

void TMainDlg::ReleaseOwnedObjects() {
  releasePending_ = false;
  SetShellFailureLog(nullptr);  // it writes to FLog
  FLog.reset();
  FGrabber.reset();
}

TMainDlg::BusyScope::~BusyScope() {
  if (--dlg_.busy_ == 0 && dlg_.releasePending_) dlg_.ReleaseOwnedObjects();
}

void TMainDlg::Openlogfile1Click() {
  if (FLog) FLog->OpenLogFile();
}

void TMainDlg::About1Click() { ShowAboutDialog(); }

// The report describes the inventory the slot scan read; before the scan there is none yet, and
// the report reads it then.
void TMainDlg::Memoryreport1Click() {
  if (!FInventory) {
    TReportDlg::ShowReport(Handle_);
    return;
  }
  TReportDlg::ShowReport(Handle_, [inventory = FInventory] { return MakeReportDocumentOrReason(*inventory); });
}
