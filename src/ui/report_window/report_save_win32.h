#pragma once
// Where Save writes: the standard save dialog, or what a test supplies instead.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/report_window/report_window_text.h"

struct TReportSaveChoice {
  std::wstring path;
  TReportFileType type = TReportFileType::Text;
};

// The file chosen in the save dialog ("Text report (*.txt)" or "JSON report (*.json)"), or
// nothing when the user cancelled.
std::optional<TReportSaveChoice> ChooseReportFile(HWND owner);

// Tests answer for the dialog; null restores it.
using ReportSaveChooser = std::function<std::optional<TReportSaveChoice>(HWND owner)>;
void SetReportSaveChooser(ReportSaveChooser chooser);
