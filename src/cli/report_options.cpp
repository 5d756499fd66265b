#include "cli/report_options.h"

const char* const kReportUsage =
    "Usage: modulix-report [--json | --prometheus]\n"
    "                      [--smbios FILE | --udev FILE | --fixture FILE]\n"
    "                      [--output FILE]\n"
    "Reports this computer's memory: number of slots, maximum and current memory,\n"
    "and for every module its slot, capacity, maker, model, type and serial number.\n"
    "\n"
    "  --json          write one JSON object (UTF-8) instead of the table\n"
    "  --prometheus    write metrics in the Prometheus text format, for the node\n"
    "                  exporter's text-file collector (see docs/metrics.md)\n"
    "  --smbios FILE   read the SMBIOS tables from FILE, written by\n"
    "                  'dmidecode --dump-bin FILE' or copied from\n"
    "                  /sys/firmware/dmi/tables/DMI; FILE '-' reads this\n"
    "                  computer's firmware tables\n"
    "  --udev FILE     read udev's memory properties from FILE, a copy of\n"
    "                  /run/udev/data/+dmi:id or the output of 'udevadm info\n"
    "                  --query=property --path=/devices/virtual/dmi/id'\n"
    "  --fixture FILE  read the WMI classes from a JSON fixture file\n"
    "  --output FILE   write the report to FILE instead of standard output; FILE\n"
    "                  is replaced whole, so a reader never sees half a report\n"
    "  --help          show this text\n"
    "\n"
    "Without a source the report reads WMI on Windows and the SMBIOS tables in\n"
    "/sys/firmware/dmi/tables on Linux, or udev's database when the tables\n"
    "cannot be read (without root).\n"
    "Exit status: 0 report written, 1 memory inventory not readable or report not\n"
    "written in full, 2 usage error.\n";

namespace {

// "--name=value" or "--name value": the value, advancing i past it.
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::string& value) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
  } else if (arg == name) {
    if (i + 1 >= args.size()) throw UsageError("option " + name + " needs a FILE");
    value = args[++i];
  } else {
    return false;
  }
  if (value.empty()) throw UsageError("option " + name + " needs a FILE");
  return true;
}

void SetSource(ReportOptions& options, ReportSource source, std::string file) {
  if (options.source != ReportSource::Default) {
    throw UsageError("give one source only: --smbios FILE, --udev FILE or --fixture FILE");
  }
  options.source = source;
  options.file = std::move(file);
}

}  // namespace

ReportOptions ParseReportOptions(const std::vector<std::string>& args) {
  ReportOptions options;
  bool optionsEnded = false;  // after "--" every argument is an operand, and the command takes none
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string file;
    if (optionsEnded) {
      throw UsageError("unexpected argument " + arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--prometheus") {
      options.prometheus = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (TakeValue(args, i, "--smbios", file)) {
      SetSource(options, ReportSource::Smbios, file);
    } else if (TakeValue(args, i, "--udev", file)) {
      SetSource(options, ReportSource::Udev, file);
    } else if (TakeValue(args, i, "--fixture", file)) {
      SetSource(options, ReportSource::Fixture, file);
    } else if (TakeValue(args, i, "--output", file)) {
      options.output = file;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg);
    } else {
      throw UsageError("unexpected argument " + arg);
    }
  }
  if (options.json && options.prometheus) throw UsageError("give one format only: --json or --prometheus");
  return options;
}
