#pragma once
// Shared by the report's tests: test data files, and the report of a dump or fixture file.
#include <string>

#include "common/file_text.h"
#include "common/test_data.h"
#include "report/format/report_document.h"
#include "report/report_source.h"

inline std::string ReadTestData(const std::string& name) { return ReadFileText(TestDataPath(name)).value_or(""); }

// "--smbios" or "--fixture", as the command names its sources.
inline ReportDocument ReportOf(const std::string& option, const std::string& path) {
  return MakeReportDocument(option == "--smbios" ? LoadSmbiosFileInventory(path)
                                                 : LoadFixtureInventory(path));
}
