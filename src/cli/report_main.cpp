// modulix-report: the memory report on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/report_console.h"
#include "cli/report_output.h"
#include "cli/report_run.h"

namespace {

// A report that did not reach its reader in full is a failure, whatever it said.
int ReportNotWritten(const std::string& reason) {
  std::string ignored;
  WriteOutput(stderr, "modulix-report: cannot write the report: " + reason + "\n", ignored);
  return kExitInventoryUnreadable;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (NeedsExactLineEnds(args)) KeepLineEnds(stdout);
  std::string out, err;
  const int code = RunReport(args, out, err);
  std::string reason, ignored;
  WriteOutput(stderr, err, ignored);  // nowhere left to say that stderr failed
  if (!WriteOutput(stdout, out, reason) || !CloseOutput(stdout, reason)) {
    return ReportNotWritten(reason);
  }
  return code;
}
