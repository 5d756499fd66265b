#include "cli/report_run.h"

#include <utility>

#include "cli/report_options.h"
#include "report/format/report_human.h"
#include "report/format/report_json.h"
#include "report/report_model.h"
#include "report/report_source.h"

namespace {

const char* const kProgram = "modulix-report: ";

LoadedInventory LoadInventory(const ReportOptions& options) {
  switch (options.source) {
    case ReportSource::Smbios: return LoadSmbiosFileInventory(options.file);
    case ReportSource::Udev: return LoadUdevFileInventory(options.file);
    case ReportSource::Fixture: return LoadFixtureInventory(options.file);
    case ReportSource::Default: break;
  }
  return LoadDefaultInventory();
}

int WriteReport(const ReportOptions& options, std::string& out, std::string& err) {
  LoadedInventory inventory = LoadInventory(options);
  if (!inventory.warning.empty()) err += kProgram + ("warning: " + inventory.warning) + "\n";
  // Only the form asked for: the command runs on many machines and each form costs its time.
  // The inventory is handed over, not copied: its tables are freed before the text is written,
  // which then reuses their memory.
  const MemoryReport report =
      BuildMemoryReport(inventory.source, std::move(inventory.provider),
                        std::move(inventory.emptySlots), std::move(inventory.emptySlotBanks));
  std::string text = options.json ? FormatJsonReport(report) : FormatHumanReport(report);
  if (out.empty()) {
    out = std::move(text);  // the usual case: no copy of the whole report
  } else {
    out += text;
  }
  return kExitReportWritten;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err) {
  ReportOptions options;
  try {
    options = ParseReportOptions(args);
  } catch (const UsageError& e) {
    err += kProgram + std::string(e.what()) + "\n" + kReportUsage;
    return kExitUsage;
  }
  if (options.help) {
    out += kReportUsage;
    return kExitReportWritten;
  }
  try {
    return WriteReport(options, out, err);
  } catch (const std::exception& e) {
    err += kProgram + std::string(e.what()) + "\n";
    return kExitInventoryUnreadable;
  }
}
