#include "ui/report_window/report_window_text.h"

#include <stdexcept>

#include "report/format/report_document.h"

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string ReportFileContent(const ReportDocument& report, TReportFileType type) {
  if (type == TReportFileType::Text) return WithCrLf(report.human);
  if (!report.readable || report.json.empty())
    throw std::runtime_error("There is no JSON report: the memory inventory could not be read.");
  return report.json;
}
