// modulix-report: the memory report on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/report_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::string out, err;
  int code = RunReport(args, out, err);
  std::fwrite(err.data(), 1, err.size(), stderr);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return code;
}
