#include "report/report_model.h"

#include <stdexcept>
#include <string_view>

#include "report/report_names.h"
#include "inventory/wmi/converters.h"

const std::vector<std::string> kReportRawProperties = {
    "DeviceLocator", "BankLabel",        "Capacity", "Manufacturer",
    "PartNumber",    "SerialNumber",     "MemoryType", "SMBIOSMemoryType",
    "Speed",         "ConfiguredClockSpeed", "FormFactor"};

namespace {

const char* const kTypeRatingSeparator = " / ";
constexpr size_t kManufacturerRow = 2;
constexpr size_t kTypeRow = 4;
constexpr int64_t kUseSystemMemory = 3;  // Win32_PhysicalMemoryArray.Use

// A number the source delivered (as integer or as decimal text); none for null or rubbish.
std::optional<int64_t> NumberOf(const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty()) return std::nullopt;
  try {
    return ValueToInt64(v);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<int64_t> Positive(std::optional<int64_t> v) {
  return v && *v > 0 ? v : std::nullopt;
}

std::string FormFactorName(std::optional<int64_t> smbios, std::optional<int64_t> wmi) {
  std::string name = smbios ? SmbiosFormFactorName(static_cast<uint8_t>(*smbios))
                            : wmi ? WmiFormFactorName(static_cast<uint16_t>(*wmi)) : "";
  return name == "Unknown" ? "" : name;
}

bool IsSoldered(std::optional<int64_t> smbiosFormFactor, std::optional<int64_t> smbiosType) {
  return (smbiosFormFactor && IsSolderedFormFactor(static_cast<uint8_t>(*smbiosFormFactor))) ||
         (smbiosType && IsLowPowerMemoryType(static_cast<uint8_t>(*smbiosType)));
}

ModuleReport ReportModule(const ModuleFacts& facts, const TWin32_PhysicalMemory& modules) {
  auto prop = [&](std::string_view name) -> const PropertyValue& {
    return modules.PropertyValueRefAt(name, facts.index);
  };
  ModuleReport m;
  m.index = facts.index;
  m.panel = facts.rows;
  m.raw.reserve(kReportRawProperties.size());
  for (const std::string& name : kReportRawProperties) m.raw.emplace_back(name, prop(name));
  // The raw properties were just read: take them from there rather than from the class again.
  auto raw = [&](std::string_view name) -> const PropertyValue& {
    for (const auto& [held, value] : m.raw) {
      if (held == name) return value;
    }
    throw std::logic_error("not a raw report property");
  };
  m.capacityBytes = NumberOf(raw("Capacity"));
  m.speed = Positive(NumberOf(raw("Speed")));
  m.configuredSpeed = Positive(NumberOf(raw("ConfiguredClockSpeed")));
  std::optional<int64_t> smbiosFormFactor = NumberOf(prop("SMBIOSFormFactor"));
  m.formFactor = FormFactorName(smbiosFormFactor, NumberOf(raw("FormFactor")));
  m.dataWidth = Positive(NumberOf(prop("DataWidth")));
  m.totalWidth = Positive(NumberOf(prop("TotalWidth")));
  m.voltageMillivolts = Positive(NumberOf(prop("ConfiguredVoltage")));
  m.locator = ValueToString(raw("DeviceLocator"));
  m.bankLabel = ValueToString(raw("BankLabel"));
  m.manufacturer = facts.rows.size() > kManufacturerRow ? facts.rows[kManufacturerRow].second : "";
  m.partNumber = ValueToString(raw("PartNumber"));
  const std::string& type = facts.rows.size() > kTypeRow ? facts.rows[kTypeRow].second : std::string();
  m.typeName = type.substr(0, type.find(kTypeRatingSeparator));
  m.soldered = IsSoldered(smbiosFormFactor, Positive(NumberOf(raw("SMBIOSMemoryType"))));
  return m;
}

// An array of unknown use counts: firmware leaves the field out at times.
std::vector<std::optional<int64_t>> SystemArrayCorrections(const TWin32_PhysicalMemoryArray& arrays) {
  std::vector<std::optional<int64_t>> corrections;
  for (int32_t i = 0; i < arrays.Count(); ++i) {
    std::optional<int64_t> use = NumberOf(arrays.PropertyValueRefAt("Use", i));
    if (use && *use != kUseSystemMemory) continue;
    corrections.push_back(NumberOf(arrays.PropertyValueRefAt("MemoryErrorCorrection", i)));
  }
  return corrections;
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
    scan = ComputeSlotScan(arrays, modules, [](const std::string&) {});
  } catch (const ConversionError& e) {
    throw InventoryError(std::string("the inventory holds a value of the wrong type: ") + e.what());
  }
  MemoryReport report;
  report.source = source;
  report.slotsLabel = scan.slotsLabel;
  report.maxmemLabel = scan.maxmemLabel;
  report.curmemLabel = scan.curmemLabel;
  report.slots = scan.slots;
  report.maximumGB = scan.maximumGB;
  report.installedBytes = scan.totalBytes;
  report.currentGB = scan.totalBytes / 1024 / 1024 / 1024;
  for (const ModuleFacts& facts : scan.modules) report.modules.push_back(ReportModule(facts, modules));
  report.emptySlots = std::move(emptySlots);
  report.emptySlotBanks = std::move(emptySlotBanks);
  report.arrayCorrections = SystemArrayCorrections(arrays);
  report.upgrade = ComputeUpgrade(report);
  report.insights = ComputeInsights(report);
  return report;
}
