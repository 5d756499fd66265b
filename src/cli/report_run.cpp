#include "cli/report_run.h"

#include <chrono>
#include <utility>

#include "cli/report_file.h"
#include "cli/report_options.h"
#include "report/format/report_human.h"
#include "report/format/report_json.h"
#include "report/format/report_prometheus.h"
#include "report/format/report_terminal.h"
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

std::string FormatReport(const ReportOptions& options, const MemoryReport& report, int64_t now) {
  if (options.prometheus) return FormatPrometheusReport(report, now);
  return options.json ? FormatJsonReport(report) : FormatHumanReport(report);
}

int WriteReport(const ReportOptions& options, int64_t now, std::string& out, std::string& err) {
  LoadedInventory inventory = LoadInventory(options);
  for (const std::string& warning : inventory.warnings) {
    err += kProgram + ("warning: " + warning) + "\n";
  }
  // Only the form asked for: the command runs on many machines and each form costs its time.
  // The inventory is handed over, not copied: its tables are freed before the text is written,
  // which then reuses their memory.
  MemoryReport report =
      BuildMemoryReport(inventory.source, std::move(inventory.provider),
                        std::move(inventory.emptySlots), std::move(inventory.emptySlotBanks));
  report.skippedMemoryDevices = inventory.skipped.memoryDevices;
  report.skippedMemoryArrays = inventory.skipped.memoryArrays;
  std::string text = FormatReport(options, report, now);
  if (out.empty()) {
    out = std::move(text);  // the usual case: no copy of the whole report
  } else {
    out += text;
  }
  return kExitReportWritten;
}

int MakeReport(const ReportOptions& options, int64_t now, std::string& out, std::string& err) {
  try {
    return WriteReport(options, now, out, err);
  } catch (const std::exception& e) {
    err += kProgram + std::string(e.what()) + "\n";
    // A scrape of the metrics still sees that the report ran, and failed.
    if (options.prometheus) out += FormatPrometheusFailure(now);
    return kExitInventoryUnreadable;
  }
}

// --output: the text the run made goes to the file; a run that made none leaves the file as it
// was, so a collector keeps the last report rather than an empty one.
int SaveReport(const std::string& file, int code, const std::string& text, std::string& err) {
  if (text.empty()) return code;
  std::string reason;
  if (ReplaceReportFile(file, text, reason)) return code;
  err += kProgram + ("cannot write " + file + ": " + reason) + "\n";
  return kExitInventoryUnreadable;
}

// Messages name arguments, environment values and file names: each line is shown as the report
// shows firmware texts, so that no control byte of them reaches the terminal.
std::string TerminalLines(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    shown += TerminalText(std::string_view(text).substr(start, end - start));
    if (end < text.size()) shown += '\n';
    start = end + 1;
  }
  return shown;
}

int RunChecked(const std::vector<std::string>& args, std::string& out, std::string& err,
               const ReportClock& clock) {
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
  const int64_t now = options.prometheus ? clock() : 0;
  if (options.output.empty()) return MakeReport(options, now, out, err);
  std::string text;
  const int code = MakeReport(options, now, text, err);
  return SaveReport(options.output, code, text, err);
}

}  // namespace

bool NeedsExactLineEnds(const std::vector<std::string>& args) {
  try {
    return ParseReportOptions(args).prometheus;
  } catch (const UsageError&) {
    return false;
  }
}

int64_t SystemUnixSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err) {
  return RunReport(args, out, err, SystemUnixSeconds);
}

int RunReport(const std::vector<std::string>& args, std::string& out, std::string& err,
              const ReportClock& clock) {
  std::string messages;
  const int code = RunChecked(args, out, messages, clock);
  err += TerminalLines(messages);
  return code;
}
