#pragma once
// modulix-report from its arguments to its outputs and exit code, without a process around it.
#include <string>
#include <vector>

constexpr int kExitReportWritten = 0;
constexpr int kExitInventoryUnreadable = 1;
constexpr int kExitUsage = 2;

// args excludes the program name; what goes to standard output and standard error is appended
// to out and err.
int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err);
