#include "inventory/udev/udev_structures.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "inventory/udev/udev_codes.h"
#include "inventory/udev/udev_values.h"

namespace {

constexpr uint16_t kArrayHandle = 0x1000;
constexpr uint16_t kFirstDeviceHandle = 0x1100;
constexpr uint16_t kNoHandle = 0xFFFE;
constexpr uint8_t kTypeArray = 16;
constexpr uint8_t kTypeDevice = 17;
constexpr uint8_t kArrayLength = 0x17;   // SMBIOS 2.7: with the 64-bit maximum
constexpr uint8_t kDeviceLength = 0x5C;  // SMBIOS 3.3: with the 32-bit speeds
constexpr uint8_t kUseSystemMemory = 0x03;
constexpr uint8_t kCorrectionNone = 0x03;
constexpr uint8_t kUnknownCode = 0x02;
constexpr uint16_t kUnknownWord = 0xFFFF;
constexpr uint16_t kExtendedSize = 0x7FFF;
constexpr uint16_t kKilobyteSize = 0x8000;
constexpr uint32_t kMaxExtended = 0x7FFFFFFF;
constexpr uint32_t kMaxCapacityExtended = 0x80000000;
constexpr uint64_t kKilobyte = 1024;
constexpr uint64_t kMegabyte = 1024 * 1024;
constexpr uint64_t kMaxRank = 0x0F;
constexpr std::string_view kNoString = "Not Specified";  // how udev writes string number 0
constexpr std::string_view kBadString = "<BAD INDEX>";
constexpr size_t kValueShown = 40;  // of a value that cannot be read, in the warning

void Put(std::vector<uint8_t>& f, size_t offset, uint64_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) f[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// One udev device or array: its fields, where to write them, and what could not be read.
class Writer {
 public:
  Writer(const UdevFields& fields, std::string what, uint8_t type, uint8_t length, uint16_t handle,
         std::vector<std::string>& unreadable)
      : fields_(fields), what_(std::move(what)), unreadable_(unreadable) {
    s_.type = type;
    s_.handle = handle;
    s_.formatted.assign(length, 0);
    Put(s_.formatted, 0, type, 1);
    Put(s_.formatted, 1, length, 1);
    Put(s_.formatted, 2, handle, 2);
  }

  const std::string* Field(std::string_view name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : &it->second;
  }
  // The number, or none (noted) when the field is there but holds no number up to max.
  std::optional<uint64_t> Number(std::string_view name, uint64_t max) {
    const std::string* text = Field(name);
    if (!text) return std::nullopt;
    std::optional<uint64_t> v = ParseUdevNumber(*text);
    if (!v || *v > max) return Unreadable(name, *text);
    return v;
  }
  template <typename Decode>
  auto Code(std::string_view name, Decode decode) -> decltype(decode(std::string_view())) {
    const std::string* text = Field(name);
    if (!text) return std::nullopt;
    auto code = decode(*text);
    // udev names the codes it has no name for; those are unknown, not unreadable.
    if (!code && *text != "<OUT OF SPEC>" && *text != "Reserved") return Unreadable(name, *text);
    return code;
  }
  std::nullopt_t Unreadable(std::string_view name, const std::string& text) {
    unreadable_.push_back(what_ + " " + std::string(name) + ": cannot read '" +
                          text.substr(0, kValueShown) + "'");
    return std::nullopt;
  }

  void Set(size_t offset, uint64_t value, size_t width) { Put(s_.formatted, offset, value, width); }
  void SetString(size_t offset, const std::string* text) {
    if (!text || *text == kNoString || *text == kBadString) return;
    s_.strings.push_back(*text);
    Set(offset, s_.strings.size(), 1);
  }
  SmbiosStructure Done() && { return std::move(s_); }

 private:
  const UdevFields& fields_;
  std::string what_;
  std::vector<std::string>& unreadable_;
  SmbiosStructure s_;
};

SmbiosStructure ArrayStructure(const UdevFields& fields, UdevArrayGaps& gaps,
                               std::vector<std::string>& unreadable) {
  Writer w(fields, "array", kTypeArray, kArrayLength, kArrayHandle, unreadable);
  std::optional<uint8_t> location = w.Code("LOCATION", SmbiosArrayLocationCode);
  gaps.location = !location;
  w.Set(0x04, location.value_or(kUnknownCode), 1);
  w.Set(0x05, kUseSystemMemory, 1);  // udev keeps the arrays of system memory only
  // udev leaves out an error correction of "None".
  std::optional<uint8_t> correction = w.Code("EC_TYPE", SmbiosErrorCorrectionCode);
  gaps.correction = !correction && w.Field("EC_TYPE");
  w.Set(0x06, correction.value_or(kCorrectionNone), 1);
  std::optional<uint64_t> bytes = w.Number("MAX_CAPACITY", UINT64_MAX);
  gaps.maxCapacity = !bytes;
  const uint64_t kb = bytes.value_or(0) / kKilobyte;
  w.Set(0x07, kb < kMaxCapacityExtended ? kb : kMaxCapacityExtended, 4);
  w.Set(0x0B, kNoHandle, 2);
  std::optional<uint64_t> devices = w.Number("NUM_DEVICES", 0xFFFF);
  gaps.devices = !devices;
  w.Set(0x0D, devices.value_or(0), 2);
  w.Set(0x0F, bytes.value_or(0), 8);
  return std::move(w).Done();
}

// Bytes back into the size field: megabytes, kilobytes (bit 15), or the 32-bit megabytes.
void SetSize(Writer& w) {
  const std::string* present = w.Field("PRESENT");
  if (present && *present == "0") return;  // 0: no module
  std::optional<uint64_t> bytes = w.Number("SIZE", UINT64_MAX);
  uint16_t size = kUnknownWord;
  if (bytes && *bytes % kMegabyte == 0 && *bytes / kMegabyte < kExtendedSize) {
    size = static_cast<uint16_t>(*bytes / kMegabyte);
  } else if (bytes && *bytes % kKilobyte == 0 && *bytes / kKilobyte < kKilobyteSize) {
    size = static_cast<uint16_t>(kKilobyteSize | *bytes / kKilobyte);
  } else if (bytes && *bytes % kMegabyte == 0 && *bytes / kMegabyte <= kMaxExtended) {
    size = kExtendedSize;
    w.Set(0x1C, *bytes / kMegabyte, 4);
  }
  if (size == 0) size = kUnknownWord;  // a size of 0 bytes says nothing of the slot
  w.Set(0x0C, size, 2);
}

void SetSpeed(Writer& w, std::string_view name, size_t offset, size_t extOffset) {
  std::optional<uint64_t> speed = w.Number(name, kMaxExtended);
  if (!speed) return;  // 0: unknown
  if (*speed < kUnknownWord) return w.Set(offset, *speed, 2);
  w.Set(offset, kUnknownWord, 2);
  w.Set(extOffset, *speed, 4);
}

void SetVoltage(Writer& w, std::string_view name, size_t offset) {
  const std::string* text = w.Field(name);
  if (text) w.Set(offset, ParseUdevMillivolts(*text).value_or(0), 2);
}

void SetManufacturer(Writer& w) {
  const std::string* maker = w.Field("MANUFACTURER");
  std::optional<std::string> jedec;
  if (const std::string* id = w.Field("MODULE_MANUFACTURER_ID")) jedec = JedecManufacturerText(*id);
  const bool named = maker && *maker != kNoString && *maker != "Unknown" && !maker->empty();
  if (!named && jedec) return w.SetString(0x17, &*jedec);  // the JEDEC code when no name is
  w.SetString(0x17, maker);
}

SmbiosStructure DeviceStructure(const UdevFields& fields, uint32_t index, UdevDeviceGaps& gaps,
                                std::vector<std::string>& unreadable) {
  Writer w(fields, "device " + std::to_string(index), kTypeDevice, kDeviceLength,
           static_cast<uint16_t>(kFirstDeviceHandle + index), unreadable);
  w.Set(0x04, kArrayHandle, 2);
  w.Set(0x06, kNoHandle, 2);
  w.Set(0x08, w.Number("TOTAL_WIDTH", kUnknownWord - 1).value_or(kUnknownWord), 2);
  w.Set(0x0A, w.Number("DATA_WIDTH", kUnknownWord - 1).value_or(kUnknownWord), 2);
  SetSize(w);
  std::optional<uint8_t> formFactor = w.Code("FORM_FACTOR", SmbiosFormFactorCode);
  gaps.formFactor = !formFactor;
  w.Set(0x0E, formFactor.value_or(kUnknownCode), 1);
  w.SetString(0x10, w.Field("LOCATOR"));
  w.SetString(0x11, w.Field("BANK_LOCATOR"));
  std::optional<uint8_t> type = w.Code("TYPE", SmbiosMemoryTypeCode);
  gaps.type = !type;
  w.Set(0x12, type.value_or(kUnknownCode), 1);
  std::optional<uint16_t> detail = w.Code("TYPE_DETAIL", SmbiosTypeDetailBits);
  gaps.typeDetail = !detail;
  w.Set(0x13, detail.value_or(0), 2);
  SetSpeed(w, "SPEED_MTS", 0x15, 0x54);
  SetManufacturer(w);
  w.SetString(0x18, w.Field("SERIAL_NUMBER"));
  w.SetString(0x1A, w.Field("PART_NUMBER"));
  w.Set(0x1B, w.Number("RANK", kMaxRank).value_or(0), 1);
  SetSpeed(w, "CONFIGURED_SPEED_MTS", 0x20, 0x58);
  SetVoltage(w, "MINIMUM_VOLTAGE", 0x22);
  SetVoltage(w, "MAXIMUM_VOLTAGE", 0x24);
  SetVoltage(w, "CONFIGURED_VOLTAGE", 0x26);
  return std::move(w).Done();
}

bool HasModule(const UdevFields& fields) {
  auto present = fields.find("PRESENT");
  return present == fields.end() || present->second != "0";
}

}  // namespace

UdevStructures BuildUdevStructures(const UdevMemoryProperties& properties) {
  UdevStructures out;
  if (!properties.array.empty()) {
    out.table.structures.push_back(ArrayStructure(properties.array, out.arrayGaps, out.unreadable));
  }
  for (const auto& [index, fields] : properties.devices) {
    UdevDeviceGaps gaps;
    out.table.structures.push_back(DeviceStructure(fields, index, gaps, out.unreadable));
    if (HasModule(fields)) out.installedGaps.push_back(gaps);
  }
  return out;
}
