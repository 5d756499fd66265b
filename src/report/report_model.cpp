#include "report/report_model.h"

#include <stdexcept>
#include <string_view>

#include "report/report_names.h"
#include "inventory/wmi/converters.h"

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

// Where the scan keeps a raw property of a module; a name it does not keep fails to compile.
constexpr size_t ScanRawAt(std::string_view name) {
  for (size_t i = 0; i < kModuleRawProperties.size(); ++i) {
    if (name == kModuleRawProperties[i]) return i;
  }
  throw std::logic_error("not a raw property of the slot scan");
}

constexpr bool ReportRawLeadsScanRaw() {
  for (size_t i = 0; i < kReportRawProperties.size(); ++i) {
    if (ScanRawAt(kReportRawProperties[i]) != i) return false;
  }
  return true;
}
static_assert(ReportRawLeadsScanRaw(), "the report's raw properties must lead the scan's");

constexpr size_t kRawLocator = ScanRawAt("DeviceLocator");
constexpr size_t kRawBank = ScanRawAt("BankLabel");
constexpr size_t kRawCapacity = ScanRawAt("Capacity");
constexpr size_t kRawPartNumber = ScanRawAt("PartNumber");
constexpr size_t kRawSmbiosType = ScanRawAt("SMBIOSMemoryType");
constexpr size_t kRawSpeed = ScanRawAt("Speed");
constexpr size_t kRawConfiguredSpeed = ScanRawAt("ConfiguredClockSpeed");
constexpr size_t kRawFormFactor = ScanRawAt("FormFactor");
constexpr size_t kRawDataWidth = ScanRawAt("DataWidth");
constexpr size_t kRawTotalWidth = ScanRawAt("TotalWidth");
constexpr size_t kRawVoltage = ScanRawAt("ConfiguredVoltage");

// Takes the scan's rows and raw values over: the scan is done with them, and the command runs
// on many machines, so nothing is read from the class or copied a second time.
ModuleReport ReportModule(ModuleFacts&& facts, const TWin32_PhysicalMemory& modules) {
  ModuleReport m;
  m.index = facts.index;
  m.raw = std::move(facts.raw);
  const auto raw = [&](size_t at) -> const PropertyValue& { return m.raw[at].second; };
  m.capacityBytes = NumberOf(raw(kRawCapacity));
  m.speed = Positive(NumberOf(raw(kRawSpeed)));
  m.configuredSpeed = Positive(NumberOf(raw(kRawConfiguredSpeed)));
  std::optional<int64_t> smbiosFormFactor =
      NumberOf(modules.PropertyValueRefAt("SMBIOSFormFactor", facts.index));
  m.formFactor = FormFactorName(smbiosFormFactor, NumberOf(raw(kRawFormFactor)));
  m.dataWidth = Positive(NumberOf(raw(kRawDataWidth)));
  m.totalWidth = Positive(NumberOf(raw(kRawTotalWidth)));
  m.voltageMillivolts = Positive(NumberOf(raw(kRawVoltage)));
  m.locator = ValueToString(raw(kRawLocator));
  m.bankLabel = ValueToString(raw(kRawBank));
  m.partNumber = ValueToString(raw(kRawPartNumber));
  m.soldered = IsSoldered(smbiosFormFactor, Positive(NumberOf(raw(kRawSmbiosType))));
  // The scan keeps more raw values than the report lists; those were read above.
  m.raw.erase(m.raw.begin() + kReportRawProperties.size(), m.raw.end());
  m.manufacturer = facts.rows.size() > kManufacturerRow ? facts.rows[kManufacturerRow].second : "";
  const std::string& type = facts.rows.size() > kTypeRow ? facts.rows[kTypeRow].second : std::string();
  m.typeName = type.substr(0, type.find(kTypeRatingSeparator));
  m.panel = std::move(facts.rows);
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
    scan = ComputeSlotScan(arrays, modules, SlotScanLog{});  // the report keeps no log
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
  report.modules.reserve(scan.modules.size());
  for (ModuleFacts& facts : scan.modules) report.modules.push_back(ReportModule(std::move(facts), modules));
  report.emptySlots = std::move(emptySlots);
  report.emptySlotBanks = std::move(emptySlotBanks);
  report.arrayCorrections = SystemArrayCorrections(arrays);
  report.upgrade = ComputeUpgrade(report);
  report.insights = ComputeInsights(report);
  return report;
}
