#include "cli/report_run.h"

#include "cli/report_human.h"
#include "cli/report_json.h"
#include "cli/report_options.h"
#include "cli/report_source.h"

namespace {

const char* const kProgram = "modulix-report: ";

int WriteReport(const ReportOptions& options, std::ostream& out, std::ostream& err) {
  LoadedInventory inventory = LoadInventory(options);
  if (!inventory.warning.empty()) err << kProgram << "warning: " << inventory.warning << "\n";
  MemoryReport report =
      BuildMemoryReport(inventory.source, inventory.provider, std::move(inventory.emptySlots));
  out << (options.json ? FormatJsonReport(report) : FormatHumanReport(report));
  out.flush();
  return kExitReportWritten;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReportOptions options;
  try {
    options = ParseReportOptions(args);
  } catch (const UsageError& e) {
    err << kProgram << e.what() << "\n" << kReportUsage;
    return kExitUsage;
  }
  if (options.help) {
    out << kReportUsage;
    return kExitReportWritten;
  }
  try {
    return WriteReport(options, out, err);
  } catch (const std::exception& e) {
    err << kProgram << e.what() << "\n";
    return kExitInventoryUnreadable;
  }
}
