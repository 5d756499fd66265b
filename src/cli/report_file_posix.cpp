#include "cli/report_file.h"

NativePath ReportFilePath(const std::string& file) { return file; }
