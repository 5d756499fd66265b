#pragma once
// Shared by the report's tests: test data files, and the report of a dump or fixture file.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "report/format/report_document.h"
#include "report/report_source.h"

inline std::string TestDataPath(const std::string& name) {
  const char* dir = std::getenv("MODULIX_TEST_DATA");
  return std::string(dir ? dir : "tests/data") + "/" + name;
}

inline std::string ReadTestData(const std::string& name) {
  std::ifstream in(TestDataPath(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// "--smbios" or "--fixture", as the command names its sources.
inline ReportDocument ReportOf(const std::string& option, const std::string& path) {
  return MakeReportDocument(option == "--smbios" ? LoadSmbiosFileInventory(path)
                                                 : LoadFixtureInventory(path));
}
