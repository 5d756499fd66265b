#pragma once
// One in-process run of modulix-report.
#include <string>
#include <vector>

#include "cli/report_run.h"
#include "report/report_test_util.h"

struct ReportRun {
  int exitCode = -1;
  std::string out, err;
};

inline ReportRun RunCli(const std::vector<std::string>& args) {
  ReportRun run;
  run.exitCode = RunReport(args, run.out, run.err);
  return run;
}
