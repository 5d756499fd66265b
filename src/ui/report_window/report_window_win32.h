#pragma once
// The memory report window: the report in a read-only text box with Copy, Save... and Close.
// One at a time; it belongs to its window and goes when that is closed.
#include <windows.h>

#include <functional>
#include <string>

#include "controls/image_button/img_btn_gdi_win32.h"
#include "report/format/report_document.h"
#include "ui/shared/dialog_focus_win32.h"

class TReportDlg {
 public:
  static constexpr int kIdReportText = 101;
  static constexpr int kIdCopy = 102;
  static constexpr int kIdSave = 103;
  static constexpr int kIdClose = IDCANCEL;  // Esc closes too

  using ReportSource = std::function<ReportDocument()>;

  // Brings the open report window forward, or reads the report now and opens a window for it,
  // owned by `owner`. Throws when the window cannot be made.
  static TReportDlg* ShowReport(HWND owner, const ReportSource& source = MakeDefaultReport);
  // The open report window, or null.
  static TReportDlg* Current();
  // Message-loop filter: keyboard navigation of the report window. True when the message was used.
  static bool PreTranslateMessage(MSG& msg);

  HWND Handle() const { return FHandle; }
  const ReportDocument& Report() const { return FReport; }
  void CopyClick();
  void SaveClick();

 private:
  explicit TReportDlg(ReportDocument report);
  ~TReportDlg();
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id);
  void OnSize(int width, int height);
  void MoveToNextControl(WPARAM wParam, LPARAM lParam);
  void BringForward();

  HWND FHandle = nullptr;
  ReportDocument FReport;
  std::string FText;  // what the text box shows
  TFontHandle FFont, FFixedFont;
  TDialogFocus FFocus;
};
