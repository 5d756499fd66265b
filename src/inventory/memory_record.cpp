#include "inventory/memory_record.h"

#include <limits>

#include "inventory/wmi/converters.h"

namespace {

const char* const kNameSpace = "root\\CIMV2";
constexpr uint32_t kUseSystemMemory = 3;          // Win32_PhysicalMemoryArray.Use
constexpr uint32_t kSmbiosTypeUnknown = 0x02;     // 0x01 other, 0x02 unknown: no generation
constexpr uint64_t kKilobyte = 1024;
constexpr uint32_t kMaxWidthBits = 0xFFFE;        // 0xFFFF is SMBIOS's "unknown"
constexpr uint32_t kMaxMillivolts = 10000;

// Any class, all its properties: the cursor only moves.
class AnyClass : public TWmiClass {
 public:
  AnyClass(const char* name, std::shared_ptr<WmiProvider> provider)
      : TWmiClass(false, kNameSpace, name, std::move(provider)) {
    LoadOnCreate(true);
  }
  void SetCollectionIndex(int32_t index) override { MoveCursor(index); }
};

// A number the source delivered (as integer or decimal text); none for null, reals and rubbish.
std::optional<int64_t> NumberOf(const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty() || v.Kind() == ValueKind::Real) return std::nullopt;
  try {
    return ValueToInt64(v);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// In [least, most], else unknown: what no module can be is a firmware or fixture error.
template <typename T>
std::optional<T> Within(std::optional<int64_t> v, int64_t least, uint64_t most) {
  if (!v || *v < least || static_cast<uint64_t>(*v) > most) return std::nullopt;
  return static_cast<T>(*v);
}

std::string TextOf(const PropertyValue& v) {
  try {
    return ValueToString(v);
  } catch (const std::exception&) {
    return "";
  }
}

std::optional<std::string> OptionalText(const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty()) return std::nullopt;
  std::string text = TextOf(v);
  return text.empty() ? std::nullopt : std::optional<std::string>(std::move(text));
}

ModuleRecord ReadModule(const TWin32_PhysicalMemory& c, int32_t i) {
  const auto at = [&](const char* name) -> const PropertyValue& { return c.PropertyValueRefAt(name, i); };
  const auto number = [&](const char* name) { return NumberOf(at(name)); };
  ModuleRecord m;
  m.index = i;
  m.raw.reserve(kModuleRawProperties.size());
  for (const RawProperty& p : kModuleRawProperties) m.raw.push_back(at(p.name));
  m.locator = TextOf(at("DeviceLocator"));
  m.bankLabel = TextOf(at("BankLabel"));
  m.manufacturer = TextOf(at("Manufacturer"));
  m.partNumber = TextOf(at("PartNumber"));
  m.serialNumber = TextOf(at("SerialNumber"));
  m.sizeBytes = Within<uint64_t>(number("Capacity"), 1, kMaxModuleBytes);
  m.smbiosMemoryType = Within<uint32_t>(number("SMBIOSMemoryType"), kSmbiosTypeUnknown + 1, 0xFF);
  m.wmiMemoryType = Within<uint32_t>(number("MemoryType"), 1, 0xFFFF);
  m.typeDetail = Within<uint32_t>(number("TypeDetail"), 0, 0xFFFF);
  m.smbiosFormFactor = Within<uint32_t>(number("SMBIOSFormFactor"), 1, 0xFF);
  m.wmiFormFactor = Within<uint32_t>(number("FormFactor"), 1, 0xFFFF);
  m.ratedMTs = Within<uint32_t>(number("Speed"), 1, kMaxModuleMTs);
  m.configuredMTs = Within<uint32_t>(number("ConfiguredClockSpeed"), 1, kMaxModuleMTs);
  m.dataWidth = Within<uint32_t>(number("DataWidth"), 1, kMaxWidthBits);
  m.totalWidth = Within<uint32_t>(number("TotalWidth"), 1, kMaxWidthBits);
  m.voltageMillivolts = Within<uint32_t>(number("ConfiguredVoltage"), 1, kMaxMillivolts);
  m.technology = Within<uint32_t>(number("MemoryTechnology"), 1, 0xFF);
  m.makerId = Within<uint16_t>(number("ModuleManufacturerID"), 1, 0xFFFF);
  return m;
}

// MaxCapacityEx covers maxima of 4 TB and more, which the 32-bit MaxCapacity cannot hold.
std::optional<uint64_t> ArrayMaximum(const TWin32_PhysicalMemoryArray& c, int32_t i) {
  std::optional<int64_t> kb = NumberOf(c.PropertyValueRefAt("MaxCapacityEx", i));
  if (!kb || *kb <= 0) kb = NumberOf(c.PropertyValueRefAt("MaxCapacity", i));
  if (!kb || *kb <= 0 || static_cast<uint64_t>(*kb) > kMaxArrayBytes / kKilobyte) return std::nullopt;
  return static_cast<uint64_t>(*kb) * kKilobyte;
}

std::optional<std::string> Property(const AnyClass& c, const char* name) {
  return c.Count() > 0 ? OptionalText(c.PropertyValueRefAt(name, 0)) : std::nullopt;
}

bool AllDigits(const std::string& s, size_t from, size_t count) {
  if (s.size() < from + count) return false;
  for (size_t i = from; i < from + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

}  // namespace

std::vector<ModuleRecord> ReadModuleRecords(const TWin32_PhysicalMemory& modules) {
  std::vector<ModuleRecord> records;
  records.reserve(static_cast<size_t>(std::max(modules.Count(), 0)));
  for (int32_t i = 0; i < modules.Count(); ++i) records.push_back(ReadModule(modules, i));
  return records;
}

std::vector<ArrayRecord> ReadArrayRecords(const TWin32_PhysicalMemoryArray& arrays) {
  std::vector<ArrayRecord> records;
  for (int32_t i = 0; i < arrays.Count(); ++i) {
    ArrayRecord a;
    a.use = Within<uint32_t>(NumberOf(arrays.PropertyValueRefAt("Use", i)), 0, 0xFFFF);
    if (a.use && *a.use != kUseSystemMemory) continue;
    a.errorCorrection =
        Within<uint32_t>(NumberOf(arrays.PropertyValueRefAt("MemoryErrorCorrection", i)), 0, 0xFFFF);
    a.maximumBytes = ArrayMaximum(arrays, i);
    a.devices = Within<uint32_t>(NumberOf(arrays.PropertyValueRefAt("MemoryDevices", i)), 0, 0xFFFF);
    records.push_back(a);
  }
  return records;
}

SystemRecord ReadSystemRecord(const std::shared_ptr<WmiProvider>& provider) {
  SystemRecord s;
  const AnyClass computer("Win32_ComputerSystem", provider);
  s.manufacturer = Property(computer, "Manufacturer");
  s.product = Property(computer, "Model");
  const AnyClass board("Win32_BaseBoard", provider);
  s.boardManufacturer = Property(board, "Manufacturer");
  s.boardProduct = Property(board, "Product");
  const AnyClass bios("Win32_BIOS", provider);
  s.biosVendor = Property(bios, "Manufacturer");
  s.biosVersion = Property(bios, "SMBIOSBIOSVersion");
  if (std::optional<std::string> date = Property(bios, "ReleaseDate")) s.biosDate = BiosDateText(*date);
  return s;
}

std::string BiosDateText(const std::string& raw) {
  if (raw.size() == 10 && raw[2] == '/' && raw[5] == '/' && AllDigits(raw, 0, 2) &&
      AllDigits(raw, 3, 2) && AllDigits(raw, 6, 4)) {
    return raw.substr(6, 4) + "-" + raw.substr(0, 2) + "-" + raw.substr(3, 2);
  }
  if (raw.size() >= 8 && AllDigits(raw, 0, 8)) {
    return raw.substr(0, 4) + "-" + raw.substr(4, 2) + "-" + raw.substr(6, 2);
  }
  return raw;
}
