#include "cli/report_file.h"
#include "support/files/text_convert.h"

// The ANSI code page, as fopen reads the names of --smbios and --fixture.
NativePath ReportFilePath(const std::string& file) { return AnsiToWide(file); }
