#include "inventory/smbios/smbios_table.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHeaderSize = 4;  // type, length, handle
constexpr uint8_t kTypeMemoryArray = 16;
constexpr uint8_t kTypeMemoryDevice = 17;

// "_SM_" entry point (SMBIOS 2.1 and later): 0x1F bytes, but SMBIOS 2.1 gave its length as 0x1E
// and firmware of that time says so; Linux then exports just those 0x1E bytes.
constexpr size_t kEntry2MinLength = 0x1E;
constexpr size_t kEntry2IntermediateOffset = 0x10;
constexpr size_t kEntry2IntermediateLength = 15;  // "_DMI_" to the BCD revision at 0x1E
// "_SM3_" entry point (SMBIOS 3.0 and later).
constexpr size_t kEntry3MinLength = 0x18;
// The header GetSystemFirmwareTable('RSMB') puts before the table.
constexpr size_t kRawSmbiosHeaderSize = 8;

bool AllZero(ByteRange bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

bool HasText(ByteRange bytes, size_t offset, const char* text) {
  size_t n = std::strlen(text);
  return Covers(bytes, offset, n) && std::memcmp(bytes.data() + offset, text, n) == 0;
}

ByteRange EntryBytes(ByteRange bytes, size_t lengthOffset, size_t minLength) {
  if (!Covers(bytes, lengthOffset, 1)) throw SmbiosError("the entry point is cut short");
  size_t length = bytes[lengthOffset];
  if (length < minLength) throw SmbiosError("the entry point has an invalid length");
  if (!Covers(bytes, 0, length)) throw SmbiosError("the entry point is cut short");
  ByteRange entry = bytes.first(length);
  if (ByteSum(entry) != 0) throw SmbiosError("the entry point checksum is wrong");
  return entry;
}

SmbiosEntryPoint ParseEntryPoint3(ByteRange bytes) {
  ByteRange entry = EntryBytes(bytes, 0x06, kEntry3MinLength);
  SmbiosEntryPoint ep;
  ep.majorVersion = ReadByte(entry, 0x07);
  ep.minorVersion = ReadByte(entry, 0x08);
  ep.tableLength = ReadDword(entry, 0x0C);
  ep.tableAddress = ReadQword(entry, 0x10);
  return ep;
}

SmbiosEntryPoint ParseEntryPoint2(ByteRange bytes) {
  ByteRange entry = EntryBytes(bytes, 0x05, kEntry2MinLength);
  if (!HasText(entry, kEntry2IntermediateOffset, "_DMI_")) {
    throw SmbiosError("the entry point lacks its _DMI_ anchor");
  }
  // A 0x1E-byte entry point lacks the intermediate anchor's last byte, so its sum cannot be
  // checked; the entry point's own checksum still covers the rest of it.
  if (Covers(entry, kEntry2IntermediateOffset, kEntry2IntermediateLength) &&
      ByteSum(entry.subspan(kEntry2IntermediateOffset, kEntry2IntermediateLength)) != 0) {
    throw SmbiosError("the entry point checksum is wrong");
  }
  SmbiosEntryPoint ep;
  ep.majorVersion = ReadByte(entry, 0x06);
  ep.minorVersion = ReadByte(entry, 0x07);
  ep.tableLength = ReadWord(entry, 0x16);
  ep.tableAddress = ReadDword(entry, 0x18);
  ep.structureCount = ReadWord(entry, 0x1C);
  return ep;
}

// The end of a string set: the offset of its double NUL, or none when the bytes end first.
std::optional<size_t> FindStringSetEnd(ByteRange table, size_t from) {
  for (size_t i = from; i + 1 < table.size(); ++i) {
    if (table[i] == 0 && table[i + 1] == 0) return i;
  }
  return std::nullopt;
}

// A text of at most kMaxSmbiosTextBytes, then the mark; the cut backs off to the start of a
// UTF-8 sequence so that a valid text stays valid.
std::string CappedText(const uint8_t* text, size_t length) {
  const char* chars = reinterpret_cast<const char*>(text);
  if (length <= kMaxSmbiosTextBytes) return std::string(chars, length);
  size_t cut = kMaxSmbiosTextBytes;
  for (int back = 0; back < 3 && (text[cut] & 0xC0) == 0x80; ++back) --cut;
  return std::string(chars, cut) + kSmbiosTextCutMark;
}

std::vector<std::string> SplitStrings(ByteRange table, size_t from, size_t end) {
  std::vector<std::string> strings;
  // One string per NUL, and one more when the last runs to the end: the vector is sized once.
  strings.reserve(static_cast<size_t>(std::count(table.begin() + from, table.begin() + end, 0)) + 1);
  size_t start = from;
  for (size_t i = from; i <= end; ++i) {
    if (i == end || table[i] == 0) {
      if (i > start || i < end) strings.push_back(CappedText(table.data() + start, i - start));
      start = i + 1;
    }
  }
  return strings;
}

// Counts a walk's arrays and devices; those past the limit are skipped and counted as such.
class MemoryStructureLimit {
 public:
  bool Keep(uint8_t type, SmbiosSkipped& skipped) {
    if (type == kTypeMemoryArray) return Take(arrays_, skipped.memoryArrays);
    if (type == kTypeMemoryDevice) return Take(devices_, skipped.memoryDevices);
    return true;
  }

 private:
  static bool Take(size_t& kept, size_t& skipped) {
    if (kept == kMaxSmbiosMemoryStructures) {
      ++skipped;
      return false;
    }
    ++kept;
    return true;
  }
  size_t arrays_ = 0;
  size_t devices_ = 0;
};

// " (reason)", or nothing when there is no reason to give.
std::string InParentheses(const std::string& reason) {
  return reason.empty() ? std::string() : " (" + reason + ")";
}

std::string At(size_t offset) { return " at offset " + std::to_string(offset); }

SmbiosTable WithVersion(SmbiosTable table, const SmbiosEntryPoint& ep) {
  table.majorVersion = ep.majorVersion;
  table.minorVersion = ep.minorVersion;
  return table;
}

}  // namespace

std::optional<std::string> SmbiosStructure::String(uint8_t number) const {
  if (number == 0 || number > strings.size()) return std::nullopt;
  return strings[number - 1];
}

bool StartsWithSmbiosAnchor(ByteRange bytes) {
  return HasText(bytes, 0, "_SM3_") || HasText(bytes, 0, "_SM_");
}

SmbiosEntryPoint ParseSmbiosEntryPoint(ByteRange bytes) {
  if (HasText(bytes, 0, "_SM3_")) return ParseEntryPoint3(bytes);
  if (HasText(bytes, 0, "_SM_")) return ParseEntryPoint2(bytes);
  throw SmbiosError("no SMBIOS entry point (_SM_ or _SM3_)");
}

SmbiosTable WalkSmbiosTable(ByteRange table, uint16_t structureCount) {
  SmbiosTable result;
  MemoryStructureLimit limit;
  size_t offset = 0;
  size_t walked = 0;
  while (offset < table.size()) {
    if (structureCount != 0 && walked == structureCount) break;
    if (AllZero(table.subspan(offset))) break;  // padding after the last structure
    if (!Covers(table, offset, kHeaderSize)) {
      result.cutShort = "structure header cut off" + At(offset);
      break;
    }
    size_t length = table[offset + 1];
    if (length < kHeaderSize) {
      result.cutShort = "structure with invalid length " + std::to_string(length) + At(offset);
      break;
    }
    if (!Covers(table, offset, length)) {
      result.cutShort = "structure cut off" + At(offset);
      break;
    }
    std::optional<size_t> setEnd = FindStringSetEnd(table, offset + length);
    if (!setEnd) {
      result.cutShort = "unterminated string set" + At(offset);
      break;
    }
    ++walked;
    const uint8_t type = table[offset];
    if (limit.Keep(type, result.skipped)) {
      SmbiosStructure s;
      s.type = type;
      s.handle = ReadWord(table, offset + 2);
      s.formatted.assign(table.begin() + offset, table.begin() + offset + length);
      s.strings = SplitStrings(table, offset + length, *setEnd);
      result.structures.push_back(std::move(s));
    }
    offset = *setEnd + 2;
    if (type == kSmbiosEndOfTable) break;
  }
  return result;
}

SmbiosTable ReadSmbiosDump(ByteRange file) {
  if (file.empty()) throw SmbiosError("the file is empty");
  if (!StartsWithSmbiosAnchor(file)) {
    SmbiosTable table = WalkSmbiosTable(file);
    if (table.structures.empty()) {
      // The walk stops without a reason only at bytes that are all zero.
      const std::string reason = table.cutShort.empty() ? "nothing but zero bytes" : table.cutShort;
      throw SmbiosError("not an SMBIOS table" + InParentheses(reason));
    }
    return table;
  }
  SmbiosEntryPoint ep = ParseSmbiosEntryPoint(file);
  if (ep.tableAddress >= file.size()) throw SmbiosError("the table lies outside the file");
  size_t available = file.size() - static_cast<size_t>(ep.tableAddress);
  ByteRange table = file.subspan(static_cast<size_t>(ep.tableAddress),
                                 std::min<size_t>(available, ep.tableLength));
  SmbiosTable result = WalkSmbiosTable(table, ep.structureCount);
  if (result.structures.empty()) {
    throw SmbiosError("no structure in the table" + InParentheses(result.cutShort));
  }
  return WithVersion(std::move(result), ep);
}

SmbiosTable ReadSmbiosTables(ByteRange entryPoint, ByteRange table) {
  SmbiosEntryPoint ep = ParseSmbiosEntryPoint(entryPoint);
  return WithVersion(WalkSmbiosTable(table.first(std::min<size_t>(table.size(), ep.tableLength)),
                                     ep.structureCount),
                     ep);
}

SmbiosTable ReadRawSmbiosData(ByteRange data) {
  if (data.size() < kRawSmbiosHeaderSize) throw SmbiosError("the firmware table is cut short");
  size_t length = std::min<size_t>(ReadDword(data, 4), data.size() - kRawSmbiosHeaderSize);
  SmbiosTable table = WalkSmbiosTable(data.subspan(kRawSmbiosHeaderSize, length));
  table.majorVersion = ReadByte(data, 1);
  table.minorVersion = ReadByte(data, 2);
  return table;
}
