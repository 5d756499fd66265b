#include "inventory/smbios/smbios_memory.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "inventory/smbios/smbios_codes.h"

namespace {

constexpr uint8_t kTypeArray = 16;
constexpr uint8_t kTypeDevice = 17;

// Type 16 offsets (DSP0134 7.17).
constexpr size_t kArrayLocation = 0x04;
constexpr size_t kArrayUse = 0x05;
constexpr size_t kArrayCorrection = 0x06;
constexpr size_t kArrayMaxCapacity = 0x07;       // DWORD, kilobytes
constexpr size_t kArrayDevices = 0x0D;           // WORD
constexpr size_t kArrayExtMaxCapacity = 0x0F;    // QWORD, bytes (2.7)
constexpr uint32_t kMaxCapacityExtended = 0x80000000;

// Type 17 offsets (DSP0134 7.18).
constexpr size_t kDeviceArrayHandle = 0x04;
constexpr size_t kDeviceTotalWidth = 0x08;
constexpr size_t kDeviceDataWidth = 0x0A;
constexpr size_t kDeviceSize = 0x0C;
constexpr size_t kDeviceFormFactor = 0x0E;
constexpr size_t kDeviceLocator = 0x10;
constexpr size_t kDeviceBankLocator = 0x11;
constexpr size_t kDeviceMemoryType = 0x12;
constexpr size_t kDeviceTypeDetail = 0x13;
constexpr size_t kDeviceSpeed = 0x15;             // 2.3
constexpr size_t kDeviceManufacturer = 0x17;
constexpr size_t kDeviceSerialNumber = 0x18;
constexpr size_t kDevicePartNumber = 0x1A;
constexpr size_t kDeviceAttributes = 0x1B;        // 2.6: rank in bits 3:0
constexpr size_t kDeviceExtendedSize = 0x1C;      // 2.7: DWORD, megabytes in bits 30:0
constexpr size_t kDeviceConfiguredSpeed = 0x20;
constexpr size_t kDeviceMinVoltage = 0x22;        // 2.8: millivolts
constexpr size_t kDeviceMaxVoltage = 0x24;
constexpr size_t kDeviceConfiguredVoltage = 0x26;
constexpr size_t kDeviceTechnology = 0x28;        // 3.2
constexpr size_t kDeviceModuleMakerId = 0x2A;     // 3.2: JEDEC bank and code of the module maker
constexpr size_t kDeviceExtendedSpeed = 0x54;     // 3.3: DWORD, MT/s in bits 30:0
constexpr size_t kDeviceExtendedConfiguredSpeed = 0x58;

// Special values.
constexpr uint16_t kSizeNoModule = 0x0000;
constexpr uint16_t kSizeUnknown = 0xFFFF;
constexpr uint16_t kSizeExtended = 0x7FFF;
constexpr uint16_t kSizeKilobytes = 0x8000;       // bit 15: the rest counts kilobytes
constexpr uint16_t kSpeedExtended = 0xFFFF;
constexpr uint16_t kWidthUnknown = 0xFFFF;
constexpr uint32_t kExtendedValueMask = 0x7FFFFFFF;
constexpr uint8_t kRankMask = 0x0F;
constexpr uint64_t kKilobyte = 1024;
constexpr uint64_t kMegabyte = 1024 * 1024;

const char* const kArrayClass = "Win32_PhysicalMemoryArray";
const char* const kDeviceClass = "Win32_PhysicalMemory";

// WMI hands out 16- and 32-bit numbers as integers and 64-bit ones as decimal text.
PropertyValue Number(uint64_t v) {
  if (v <= 0x7FFFFFFF) return PropertyValue(static_cast<int32_t>(v));
  return PropertyValue(static_cast<int64_t>(v));
}
PropertyValue Number64(uint64_t v) { return PropertyValue(std::to_string(v)); }

template <typename T>
PropertyValue OrNull(const std::optional<T>& v) {
  return v ? Number(*v) : PropertyValue::Null();
}
PropertyValue OrNull(std::optional<std::string>&& v) {
  return v ? PropertyValue(std::move(*v)) : PropertyValue::Null();
}

std::optional<uint8_t> Byte(const SmbiosStructure& s, size_t offset) {
  if (!s.Holds(offset, 1)) return std::nullopt;
  return ReadByte(s.formatted, offset);
}
std::optional<uint16_t> Word(const SmbiosStructure& s, size_t offset) {
  if (!s.Holds(offset, 2)) return std::nullopt;
  return ReadWord(s.formatted, offset);
}
std::optional<uint32_t> Dword(const SmbiosStructure& s, size_t offset) {
  if (!s.Holds(offset, 4)) return std::nullopt;
  return ReadDword(s.formatted, offset);
}
std::optional<uint64_t> Qword(const SmbiosStructure& s, size_t offset) {
  if (!s.Holds(offset, 8)) return std::nullopt;
  return ReadQword(s.formatted, offset);
}
std::optional<std::string> Text(const SmbiosStructure& s, size_t offset) {
  std::optional<uint8_t> number = Byte(s, offset);
  return number ? s.String(*number) : std::nullopt;
}

// Every instance carries every property of its class (null where SMBIOS has no value), in this
// order: the class's own properties first, then the ones Windows 10 added, then ours.
constexpr std::array<std::string_view, 39> kDeviceProperties = {
    "BankLabel", "Capacity", "Caption", "CreationClassName", "DataWidth", "Description",
    "DeviceLocator", "FormFactor", "HotSwappable", "InstallDate", "InterleaveDataDepth",
    "InterleavePosition", "Manufacturer", "MemoryType", "Model", "Name",
    "OtherIdentifyingInfo", "PartNumber", "PositionInRow", "PoweredOn", "Removable",
    "Replaceable", "SerialNumber", "SKU", "Speed", "Status", "Tag", "TotalWidth", "TypeDetail",
    "Version", "Attributes", "ConfiguredClockSpeed", "ConfiguredVoltage", "MaxVoltage",
    "MinVoltage", "SMBIOSMemoryType", "SMBIOSFormFactor", "MemoryTechnology",
    "ModuleManufacturerID"};

constexpr std::array<std::string_view, 28> kArrayProperties = {
    "Caption", "CreationClassName", "Depth", "Description", "Height", "HotSwappable",
    "InstallDate", "Location", "Manufacturer", "MaxCapacity", "MemoryDevices",
    "MemoryErrorCorrection", "Model", "Name", "OtherIdentifyingInfo", "PartNumber",
    "PoweredOn", "Removable", "Replaceable", "SerialNumber", "SKU", "Status", "Tag", "Use",
    "Version", "Weight", "Width", "MaxCapacityEx"};

// A property of one class, found in its list when the program is compiled: setting it costs no
// search, and a name the class lacks does not compile.
template <const auto& Names>
struct PropertyOf {
  consteval PropertyOf(const char* name) : at(0) {
    while (at < Names.size() && Names[at] != name) ++at;
    if (at == Names.size()) throw "not a property of the class";
  }
  size_t at;
};
using DeviceProperty = PropertyOf<kDeviceProperties>;
using ArrayProperty = PropertyOf<kArrayProperties>;

// Builds one instance with every property of its class, null until set. The values sit in the
// class's order from the start, so the instance is moved out whole.
template <const auto& Names>
class Instance {
 public:
  Instance() {
    data_.reserve(Names.size());
    for (std::string_view name : Names) data_.emplace_back(name, PropertyValue::Null());
  }
  void Set(PropertyOf<Names> property, PropertyValue value) { data_[property.at].second = std::move(value); }
  WmiInstanceData Done() && { return std::move(data_); }

 private:
  WmiInstanceData data_;
};
using DeviceInstance = Instance<kDeviceProperties>;
using ArrayInstance = Instance<kArrayProperties>;

// ---- Type 16 fields ----

// Kilobytes in the 32-bit field; 0x80000000 hands over to the 64-bit field in bytes, without
// which the maximum is unknown.
struct ArrayCapacity {
  std::optional<uint64_t> kilobytes32;
  std::optional<uint64_t> kilobytes64;
};

ArrayCapacity ArrayMaxCapacity(const SmbiosStructure& s) {
  std::optional<uint32_t> max = Dword(s, kArrayMaxCapacity);
  if (!max) return {};
  if (*max != kMaxCapacityExtended) return {*max, *max};
  std::optional<uint64_t> extended = Qword(s, kArrayExtMaxCapacity);
  if (!extended) return {};
  return {*max, *extended / kKilobyte};
}

WmiInstanceData MapArray(const SmbiosStructure& s, size_t index) {
  ArrayInstance inst;
  inst.Set("Caption", "Physical Memory Array");
  inst.Set("CreationClassName", kArrayClass);
  inst.Set("Description", "Physical Memory Array");
  inst.Set("Name", "Physical Memory Array");
  inst.Set("Tag", "Physical Memory Array " + std::to_string(index));
  if (auto code = Byte(s, kArrayLocation)) inst.Set("Location", OrNull(WmiArrayLocation(*code)));
  if (auto code = Byte(s, kArrayUse)) inst.Set("Use", OrNull(WmiArrayUse(*code)));
  if (auto code = Byte(s, kArrayCorrection)) {
    inst.Set("MemoryErrorCorrection", OrNull(WmiErrorCorrection(*code)));
  }
  ArrayCapacity capacity = ArrayMaxCapacity(s);
  inst.Set("MaxCapacity", OrNull(capacity.kilobytes32));
  if (capacity.kilobytes64) inst.Set("MaxCapacityEx", Number64(*capacity.kilobytes64));
  inst.Set("MemoryDevices", OrNull(Word(s, kArrayDevices)));
  return std::move(inst).Done();
}

// ---- Type 17 fields ----

struct DeviceSize {
  bool held = false;       // the structure reaches the size field
  bool installed = false;  // a module sits in the slot
  std::optional<uint64_t> bytes;
};

DeviceSize DeviceCapacity(const SmbiosStructure& s) {
  std::optional<uint16_t> size = Word(s, kDeviceSize);
  if (!size) return {};
  if (*size == kSizeNoModule) return {true, false, std::nullopt};
  if (*size == kSizeUnknown) return {true, true, std::nullopt};
  if (*size == kSizeExtended) {
    std::optional<uint32_t> extended = Dword(s, kDeviceExtendedSize);
    if (!extended) return {true, true, std::nullopt};
    return {true, true, uint64_t{*extended & kExtendedValueMask} * kMegabyte};
  }
  uint64_t unit = (*size & kSizeKilobytes) ? kKilobyte : kMegabyte;
  return {true, true, static_cast<uint64_t>(*size & ~kSizeKilobytes) * unit};
}

// 0 is unknown; 0xFFFF hands over to the 32-bit field of SMBIOS 3.3, unknown without it.
std::optional<uint32_t> DeviceSpeed(const SmbiosStructure& s, size_t offset, size_t extOffset) {
  std::optional<uint16_t> speed = Word(s, offset);
  if (!speed || *speed == 0) return std::nullopt;
  if (*speed != kSpeedExtended) return *speed;
  std::optional<uint32_t> extended = Dword(s, extOffset);
  if (!extended || (*extended & kExtendedValueMask) == 0) return std::nullopt;
  return *extended & kExtendedValueMask;
}

std::optional<uint16_t> DeviceWidth(const SmbiosStructure& s, size_t offset) {
  std::optional<uint16_t> width = Word(s, offset);
  if (!width || *width == kWidthUnknown) return std::nullopt;
  return width;
}

// Millivolts and rank: 0 means unknown.
template <typename T>
std::optional<T> NonZero(std::optional<T> v) {
  return v && *v != 0 ? v : std::nullopt;
}

std::optional<uint8_t> DeviceRank(const SmbiosStructure& s) {
  std::optional<uint8_t> attributes = Byte(s, kDeviceAttributes);
  return attributes ? NonZero<uint8_t>(*attributes & kRankMask) : std::nullopt;
}

void SetDeviceCodes(DeviceInstance& inst, const SmbiosStructure& s) {
  if (auto type = Byte(s, kDeviceMemoryType)) {
    inst.Set("SMBIOSMemoryType", Number(*type));
    inst.Set("MemoryType", Number(WmiMemoryType(*type)));
  }
  if (auto code = Byte(s, kDeviceFormFactor)) {
    inst.Set("FormFactor", OrNull(WmiFormFactor(*code)));
    inst.Set("SMBIOSFormFactor", Number(*code));
  }
  inst.Set("TypeDetail", OrNull(Word(s, kDeviceTypeDetail)));
  inst.Set("DataWidth", OrNull(DeviceWidth(s, kDeviceDataWidth)));
  inst.Set("TotalWidth", OrNull(DeviceWidth(s, kDeviceTotalWidth)));
}

void SetDeviceTexts(DeviceInstance& inst, const SmbiosStructure& s) {
  inst.Set("DeviceLocator", OrNull(Text(s, kDeviceLocator)));
  inst.Set("BankLabel", OrNull(Text(s, kDeviceBankLocator)));
  inst.Set("Manufacturer", OrNull(Text(s, kDeviceManufacturer)));
  inst.Set("SerialNumber", OrNull(Text(s, kDeviceSerialNumber)));
  inst.Set("PartNumber", OrNull(Text(s, kDevicePartNumber)));
}

void SetDeviceRatings(DeviceInstance& inst, const SmbiosStructure& s) {
  inst.Set("Speed", OrNull(DeviceSpeed(s, kDeviceSpeed, kDeviceExtendedSpeed)));
  inst.Set("ConfiguredClockSpeed",
           OrNull(DeviceSpeed(s, kDeviceConfiguredSpeed, kDeviceExtendedConfiguredSpeed)));
  inst.Set("Attributes", OrNull(DeviceRank(s)));
  inst.Set("MinVoltage", OrNull(NonZero(Word(s, kDeviceMinVoltage))));
  inst.Set("MaxVoltage", OrNull(NonZero(Word(s, kDeviceMaxVoltage))));
  inst.Set("ConfiguredVoltage", OrNull(NonZero(Word(s, kDeviceConfiguredVoltage))));
  inst.Set("MemoryTechnology", OrNull(NonZero(Byte(s, kDeviceTechnology))));
  inst.Set("ModuleManufacturerID", OrNull(NonZero(Word(s, kDeviceModuleMakerId))));
}

WmiInstanceData MapDevice(const SmbiosStructure& s, const DeviceSize& size, size_t index) {
  DeviceInstance inst;
  inst.Set("Caption", "Physical Memory");
  inst.Set("CreationClassName", kDeviceClass);
  inst.Set("Description", "Physical Memory");
  inst.Set("Name", "Physical Memory");
  inst.Set("Tag", "Physical Memory " + std::to_string(index));
  inst.Set("Capacity", size.bytes ? Number64(*size.bytes) : PropertyValue::Null());
  SetDeviceCodes(inst, s);
  SetDeviceTexts(inst, s);
  SetDeviceRatings(inst, s);
  return std::move(inst).Done();
}

// Arrays by handle, with whether they hold system memory.
std::map<uint16_t, bool> ArrayUses(const SmbiosTable& table) {
  std::map<uint16_t, bool> uses;
  for (const SmbiosStructure& s : table.structures) {
    if (s.type != kTypeArray) continue;
    std::optional<uint8_t> use = Byte(s, kArrayUse);
    uses[s.handle] = use && *use == kSmbiosUseSystemMemory;
  }
  return uses;
}

// Firmware gets the array handle wrong at times, so a device of no known array counts as RAM;
// a device of a flash or video array does not.
bool IsSystemMemoryDevice(const SmbiosStructure& s, const std::map<uint16_t, bool>& arrays) {
  std::optional<uint16_t> handle = Word(s, kDeviceArrayHandle);
  if (!handle) return true;
  auto it = arrays.find(*handle);
  return it == arrays.end() || it->second;
}

}  // namespace

SmbiosMemoryInventory MapSmbiosMemory(const SmbiosTable& table) {
  SmbiosMemoryInventory inv;
  std::vector<WmiInstanceData>& arrays = inv.classes.classes[kArrayClass];
  std::vector<WmiInstanceData>& devices = inv.classes.classes[kDeviceClass];
  std::map<uint16_t, bool> uses = ArrayUses(table);
  for (const SmbiosStructure& s : table.structures) {
    if (s.type == kTypeArray && uses[s.handle]) {
      arrays.push_back(MapArray(s, arrays.size()));
    } else if (s.type == kTypeDevice && IsSystemMemoryDevice(s, uses)) {
      DeviceSize size = DeviceCapacity(s);
      if (size.installed) {
        devices.push_back(MapDevice(s, size, devices.size()));
      } else if (size.held) {
        inv.emptySlots.push_back(Text(s, kDeviceLocator).value_or(""));
        inv.emptySlotBanks.push_back(Text(s, kDeviceBankLocator).value_or(""));
      }
    }
  }
  return inv;
}
