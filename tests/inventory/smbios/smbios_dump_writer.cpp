#include "inventory/smbios/smbios_dump_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {

constexpr size_t kTableOffset = 32;  // where dmidecode puts the table in its dumps
constexpr size_t kFullDeviceLength = 0x64;

void Put(Bytes& b, size_t offset, uint64_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) b[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Assigns string numbers in order of use; an empty text is number 0 (no string).
class StringSet {
 public:
  uint8_t Add(const std::string& s) {
    if (s.empty()) return 0;
    strings_.push_back(s);
    return static_cast<uint8_t>(strings_.size());
  }
  const std::vector<std::string>& Strings() const { return strings_; }

 private:
  std::vector<std::string> strings_;
};

uint8_t Checksum(const Bytes& b, size_t from, size_t count) {
  uint8_t sum = 0;
  for (size_t i = from; i < from + count; ++i) sum = static_cast<uint8_t>(sum + b[i]);
  return static_cast<uint8_t>(0x100 - sum);
}

Bytes EntryPoint2(const DumpOptions& o, size_t tableLength, size_t count) {
  Bytes e(0x1F, 0);
  std::copy_n("_SM_", 4, e.begin());
  e[0x05] = o.entry2Length;
  e[0x06] = o.major;
  e[0x07] = o.minor;
  std::copy_n("_DMI_", 5, e.begin() + 0x10);
  Put(e, 0x16, tableLength, 2);
  Put(e, 0x18, kTableOffset, 4);
  Put(e, 0x1C, count, 2);
  e[0x1E] = static_cast<uint8_t>((o.major << 4) | (o.minor & 0x0F));
  e[0x15] = Checksum(e, 0x10, 15);
  e[0x04] = Checksum(e, 0, o.entry2Length);
  return e;
}

Bytes EntryPoint3(const DumpOptions& o, size_t tableLength) {
  Bytes e(0x18, 0);
  std::copy_n("_SM3_", 5, e.begin());
  e[0x06] = 0x18;
  e[0x07] = o.major;
  e[0x08] = o.minor;
  e[0x0A] = 0x01;
  Put(e, 0x0C, tableLength, 4);
  Put(e, 0x10, kTableOffset, 8);
  e[0x05] = Checksum(e, 0, 0x18);
  return e;
}

}  // namespace

Bytes EncodeStructure(uint8_t type, uint16_t handle, const Bytes& body,
                      const std::vector<std::string>& strings) {
  // Sized once and copied into: an insert behind a 4-byte start trips a false GCC 12
  // -Warray-bounds at -O3.
  Bytes b(4 + body.size());
  b[0] = type;
  b[1] = static_cast<uint8_t>(4 + body.size());
  Put(b, 2, handle, 2);
  std::copy(body.begin(), body.end(), b.begin() + 4);
  for (const std::string& s : strings) {
    b.insert(b.end(), s.begin(), s.end());
    b.push_back(0);
  }
  if (strings.empty()) b.push_back(0);
  b.push_back(0);
  return b;
}

Bytes EncodeArray(const DumpArray& a) {
  Bytes f(std::max<size_t>(a.length, 0x17), 0);
  f[0x04] = a.location;
  f[0x05] = a.use;
  f[0x06] = a.correction;
  Put(f, 0x07, a.maxCapacityKb, 4);
  Put(f, 0x0B, 0xFFFE, 2);
  Put(f, 0x0D, a.devices, 2);
  Put(f, 0x0F, a.extMaxCapacityBytes, 8);
  f.resize(a.length);
  return EncodeStructure(16, a.handle, Bytes(f.begin() + 4, f.end()), {});
}

Bytes EncodeDevice(const DumpDevice& d) {
  Bytes f(std::max<size_t>(d.length, kFullDeviceLength), 0);
  StringSet strings;
  // Strings of fields the structure is too short to hold are not written either.
  auto text = [&](size_t offset, const std::string& s) {
    if (offset >= d.length) return;
    uint8_t number = strings.Add(s);
    auto forced = d.stringNumbers.find(offset);
    f[offset] = forced != d.stringNumbers.end() ? forced->second : number;
  };
  Put(f, 0x04, d.arrayHandle, 2);
  Put(f, 0x06, 0xFFFE, 2);
  Put(f, 0x08, d.totalWidth, 2);
  Put(f, 0x0A, d.dataWidth, 2);
  Put(f, 0x0C, d.size, 2);
  f[0x0E] = d.formFactor;
  text(0x10, d.locator);
  text(0x11, d.bank);
  f[0x12] = d.memoryType;
  Put(f, 0x13, d.typeDetail, 2);
  Put(f, 0x15, d.speed, 2);
  text(0x17, d.manufacturer);
  text(0x18, d.serial);
  text(0x19, d.assetTag);
  text(0x1A, d.partNumber);
  f[0x1B] = d.attributes;
  Put(f, 0x1C, d.extendedSize, 4);
  Put(f, 0x20, d.configuredSpeed, 2);
  Put(f, 0x22, d.minVoltage, 2);
  Put(f, 0x24, d.maxVoltage, 2);
  Put(f, 0x26, d.configuredVoltage, 2);
  f[0x28] = d.technology;
  Put(f, 0x2A, d.moduleMakerId, 2);
  Put(f, 0x54, d.extendedSpeed, 4);
  Put(f, 0x58, d.extendedConfiguredSpeed, 4);
  f.resize(d.length);
  return EncodeStructure(17, d.handle, Bytes(f.begin() + 4, f.end()), strings.Strings());
}

Bytes EncodeEndOfTable(uint16_t handle) { return EncodeStructure(127, handle, {}, {}); }

// Each structure as long as SMBIOS 2.0 made it, with its text fields numbered in order.
std::vector<Bytes> EncodeIdentity(const DumpIdentity& id) {
  auto encode = [](uint8_t type, uint16_t handle, size_t length, const std::vector<size_t>& offsets,
                   const std::vector<std::string>& texts) {
    Bytes f(length, 0);
    StringSet strings;
    for (size_t i = 0; i < offsets.size(); ++i) f[offsets[i]] = strings.Add(texts[i]);
    return EncodeStructure(type, handle, Bytes(f.begin() + 4, f.end()), strings.Strings());
  };
  return {encode(0, 0x0000, 0x12, {0x04, 0x05, 0x08}, {id.biosVendor, id.biosVersion, id.biosDate}),
          encode(1, 0x0001, 0x08, {0x04, 0x05}, {id.manufacturer, id.product}),
          encode(2, 0x0002, 0x08, {0x04, 0x05}, {id.boardManufacturer, id.boardProduct})};
}

Bytes Concat(const std::vector<Bytes>& parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes WriteDump(const std::vector<Bytes>& structures, const DumpOptions& options) {
  std::vector<Bytes> parts = structures;
  parts.push_back(EncodeEndOfTable());
  Bytes table = Concat(parts);
  if (options.entry == EntryKind::None) return table;
  Bytes dump = options.entry == EntryKind::Smbios2
                   ? EntryPoint2(options, table.size(), parts.size())
                   : EntryPoint3(options, table.size());
  if (options.badChecksum) dump[options.entry == EntryKind::Smbios2 ? 0x04 : 0x05] ^= 0x5A;
  dump.resize(kTableOffset, 0);
  dump.insert(dump.end(), table.begin(), table.end());
  return dump;
}

void SaveBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}
