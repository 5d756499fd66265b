#include <cstring>

#include "cli/report_file.h"

NativePath ReportFilePath(const std::string& file) { return file; }

std::string SystemErrorWords(uint32_t error) { return std::strerror(static_cast<int>(error)); }
