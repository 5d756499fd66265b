#pragma once
// Shared by the report's tests: test data files and one in-process run of the report.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/report_run.h"

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

struct ReportRun {
  int exitCode = -1;
  std::string out, err;
};

inline ReportRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ReportRun run;
  run.exitCode = RunReport(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}
