#pragma once
// The report written to a file instead of standard output, for a program that reads the file
// at any moment (a metrics collector): it finds the previous text or the new one, never a part.
#include <string>

#include "support/files/native_path.h"

// Puts text in the place of file. False with the system's reason when it could not; the file is
// then as it was and no temporary file is left beside it.
bool ReplaceReportFile(const std::string& file, const std::string& text, std::string& reason);

// Platform halves (report_file_posix.cpp, report_file_win32.cpp). The name comes from the
// narrow command line, as the names of the other file options do.
NativePath ReportFilePath(const std::string& file);
