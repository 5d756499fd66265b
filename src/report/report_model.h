#pragma once
// What the report shows, computed by the window's own slot scan plus the facts the window does
// not show: exact sizes, configured speed, form factor, widths, voltage, the upgrade summary.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "inventory/wmi/wmi_provider.h"
#include "report/report_insights.h"
#include "window_model/slot_scan.h"

struct ModuleReport {
  int index = 0;
  SlotRows panel;  // the six rows exactly as the window lists them
  std::vector<std::pair<std::string, PropertyValue>> raw;  // kReportRawProperties, null kept
  std::optional<int64_t> capacityBytes;
  std::optional<int64_t> speed;            // MT/s
  std::optional<int64_t> configuredSpeed;  // MT/s
  std::string formFactor;                  // name; empty when unknown
  std::optional<int64_t> dataWidth, totalWidth;  // bits
  std::optional<int64_t> voltageMillivolts;      // configured voltage
  std::string locator;       // DeviceLocator
  std::string bankLabel;
  std::string manufacturer;  // the decoded name the panel shows
  std::string partNumber;    // as the source gave it
  std::string typeName;  // the Type row without its rating: "DDR4"
  bool soldered = false;
};

struct UpgradeSummary {
  bool soldered = false;
  uint64_t freeSlots = 0;
  std::optional<int64_t> addableBytes;  // maximum minus installed; none when not known
  std::optional<int64_t> perFreeSlotBytes;
  std::string type, formFactor;  // what a new module should be; empty when not known
  std::optional<int64_t> speed;  // MT/s at least
};

struct MemoryReport {
  std::string source;  // "wmi", "smbios", "udev" or "fixture"
  std::string slotsLabel, maxmemLabel, curmemLabel;
  uint64_t slots = 0;
  uint64_t maximumGB = 0;
  int64_t currentGB = 0;
  int64_t installedBytes = 0;
  std::vector<ModuleReport> modules;
  // Locators of the empty slots; none when the source does not list them (WMI).
  std::optional<std::vector<std::string>> emptySlots;
  std::vector<std::string> emptySlotBanks;  // the bank label of each empty slot, when known
  // MemoryErrorCorrection of each array of system memory, none where not reported.
  std::vector<std::optional<int64_t>> arrayCorrections;
  UpgradeSummary upgrade;
  ReportInsights insights;
};

// The module properties the JSON "raw" member holds, in this order: the first ones the slot scan
// keeps of every module, so the report takes them over from the scan instead of reading again.
inline constexpr std::array<const char*, 11> kReportRawProperties = {
    "DeviceLocator", "BankLabel",        "Capacity", "Manufacturer",
    "PartNumber",    "SerialNumber",     "MemoryType", "SMBIOSMemoryType",
    "Speed",         "ConfiguredClockSpeed", "FormFactor"};

// The module query failed: nothing to report.
class InventoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads both classes from the provider and runs the slot scan over them. Raises InventoryError
// when the module class cannot be read, ConversionError for a value the readers reject.
MemoryReport BuildMemoryReport(const std::string& source, std::shared_ptr<WmiProvider> provider,
                               std::optional<std::vector<std::string>> emptySlots,
                               std::vector<std::string> emptySlotBanks = {});

UpgradeSummary ComputeUpgrade(const MemoryReport& report);
