#include "cli/report_file.h"

#include "support/files/file_replace.h"
#include "support/system/system_error_text.h"

bool ReplaceReportFile(const std::string& file, const std::string& text, std::string& reason) {
  const uint32_t error = ReplaceFileContent(ReportFilePath(file), text);
  if (error == 0) return true;
  reason = SystemErrorWords(error);
  return false;
}
