#pragma once
// The report as the window shows and saves it.
#include <string>
#include <string_view>

struct ReportDocument;

// Line ends as CR LF, as an edit control and the clipboard want them. CR LF pairs already in the
// text stay as they are.
std::string WithCrLf(std::string_view text);

// The choices of the save dialog's type list, in their order (the dialog counts from 1).
enum class TReportFileType { Text = 1, Json = 2 };

// What Save writes for the chosen type: the text as the window shows it, or the JSON report.
// Throws std::runtime_error when the report has no such form (no JSON without an inventory).
std::string ReportFileContent(const ReportDocument& report, TReportFileType type);
