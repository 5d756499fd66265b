#pragma once
// modulix-report from its arguments to its outputs and exit code, without a process around it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr int kExitReportWritten = 0;
constexpr int kExitInventoryUnreadable = 1;
constexpr int kExitUsage = 2;

// args excludes the program name; what goes to standard output and standard error is appended
// to out and err.
int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err);

// Whether args ask for text that must reach standard output with its LF line ends (the metrics).
bool NeedsExactLineEnds(const std::vector<std::string>& args);

// Seconds since 1970: the time of the report in its metrics, read once per run.
using ReportClock = std::function<int64_t()>;
int64_t SystemUnixSeconds();
// As above, with the clock a test fixes.
int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err,
              const ReportClock& clock);
