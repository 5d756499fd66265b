#pragma once
// The command line of modulix-report.
#include <stdexcept>
#include <string>
#include <vector>

enum class ReportSource { Default, Smbios, Udev, Fixture };

struct ReportOptions {
  bool json = false;
  bool prometheus = false;  // metrics in the Prometheus text format
  bool help = false;
  ReportSource source = ReportSource::Default;
  std::string file;  // the --smbios, --udev or --fixture file; "-" for the firmware's own tables
  std::string output;  // --output: the file that takes the report's text; empty for stdout
};

// A command line that does not parse: the message says what is wrong.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// args excludes the program name. Raises UsageError.
ReportOptions ParseReportOptions(const std::vector<std::string>& args);

extern const char* const kReportUsage;
