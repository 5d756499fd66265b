#pragma once
// The report of this computer in both formats, as modulix-report prints them.
#include <string>
struct ReportDocument {
  bool readable = false;  // false: the inventory could not be read; `human` then holds the error text
  std::string human;      // exactly what `modulix-report` prints without arguments (LF line ends)
  std::string json;       // exactly what `modulix-report --json` prints (empty when not readable)
};
// Reads the default inventory (the MODULIX_WMI_FIXTURE file when set, as `--fixture FILE` does;
// else WMI on Windows with the firmware's SMBIOS tables adding facts where readable; the SMBIOS
// tables on Linux) and formats both. Never throws.
ReportDocument MakeDefaultReport();

struct LoadedInventory;
// Both formats of a loaded inventory. Raises what the report model raises for values it cannot
// use (InventoryError).
ReportDocument MakeReportDocument(const LoadedInventory& inventory);
// The same, never throwing: an inventory that could not be read or used gives the reason.
ReportDocument MakeReportDocumentOrReason(const LoadedInventory& inventory);
