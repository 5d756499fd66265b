// modulix-report: the memory report on the command line.
#include <iostream>

#include "cli/report_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return RunReport(args, std::cout, std::cerr);
}
