#include "report/report_model.h"

#include <limits>

#include "inventory/wmi/converters.h"
#include "report/advice/advice_rules.h"
#include "report/report_names.h"

namespace {

uint64_t SaturatingAdd(uint64_t a, uint64_t b) {
  return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

std::string FormFactorName(const ModuleRecord& r) {
  std::string name = r.smbiosFormFactor ? SmbiosFormFactorName(static_cast<uint8_t>(*r.smbiosFormFactor))
                     : r.wmiFormFactor  ? WmiFormFactorName(static_cast<uint16_t>(*r.wmiFormFactor))
                                        : "";
  return name == "Unknown" ? "" : name;
}

bool IsSoldered(const ModuleRecord& r) {
  return (r.smbiosFormFactor && IsSolderedFormFactor(static_cast<uint8_t>(*r.smbiosFormFactor))) ||
         (r.smbiosMemoryType && IsLowPowerMemoryType(static_cast<uint8_t>(*r.smbiosMemoryType)));
}

ModuleReport ReportModule(SlotRows&& panel, ModuleRecord&& record) {
  ModuleReport m;
  m.panel = std::move(panel);
  m.advice = AdviseModule(record);
  m.formFactorName = FormFactorName(record);
  m.soldered = IsSoldered(record);
  m.record = std::move(record);
  return m;
}

// Firmware placeholders ("To Be Filled By O.E.M.", "System Product Name") name no machine.
SystemRecord Cleaned(SystemRecord s) {
  for (std::optional<std::string>* text : {&s.manufacturer, &s.product, &s.boardManufacturer, &s.boardProduct,
                                           &s.biosVendor, &s.biosVersion, &s.biosDate}) {
    if (*text) *text = CleanFirmwareText(**text);
  }
  return s;
}

std::optional<uint64_t> SlotCount(const std::vector<ArrayRecord>& arrays) {
  if (arrays.empty()) return std::nullopt;
  uint64_t slots = 0;
  for (const ArrayRecord& a : arrays) slots += a.devices.value_or(0);
  return slots;
}

}  // namespace

MemoryReport BuildMemoryReport(const std::string& source, std::shared_ptr<WmiProvider> provider,
                               std::optional<std::vector<std::string>> emptySlots,
                               std::vector<std::string> emptySlotBanks) {
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  if (modules.Count() < 0) throw InventoryError("cannot read the WMI class Win32_PhysicalMemory");
  SlotScanState scan;
  try {
    scan = ComputeSlotScan(arrays, modules, SlotScanLog{});  // the report keeps no log
  } catch (const ConversionError& e) {
    throw InventoryError(std::string("the inventory holds a value of the wrong type: ") + e.what());
  }
  MemoryReport report;
  report.source = source;
  report.slotsLabel = std::move(scan.slotsLabel);
  report.maxmemLabel = std::move(scan.maxmemLabel);
  report.curmemLabel = std::move(scan.curmemLabel);
  report.windowMaximumGB = scan.maximumGB;
  report.arrays = ReadArrayRecords(arrays);
  report.slots = SlotCount(report.arrays);
  std::vector<ModuleRecord> records = ReadModuleRecords(modules);
  report.modules.reserve(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    SlotRows panel = i < scan.modules.size() ? std::move(scan.modules[i].rows) : SlotRows{};
    report.installedBytes = SaturatingAdd(report.installedBytes, records[i].sizeBytes.value_or(0));
    report.modules.push_back(ReportModule(std::move(panel), std::move(records[i])));
  }
  report.system = Cleaned(ReadSystemRecord(provider));
  report.emptySlots = std::move(emptySlots);
  report.emptySlotBanks = std::move(emptySlotBanks);
  report.upgrade = ComputeUpgrade(report);
  report.insights = ComputeInsights(report);
  return report;
}
