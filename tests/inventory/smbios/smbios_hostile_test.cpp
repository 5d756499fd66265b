// Tables built to break the reader: each gives an error or a partial result and reads nothing
// outside its bytes (AddressSanitizer watches the native build).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "inventory/smbios/smbios_test_util.h"

namespace {

Bytes GoodTable() {
  return Concat({EncodeArray(SystemArray(2)), EncodeDevice(Ddr4Module("DIMM_A1")),
                 EncodeDevice(Ddr4Module("DIMM_A2", 0x1101))});
}

Bytes WithEntryPoint(const Bytes& table) {
  DumpOptions o;
  Bytes dump = WriteDump({}, o);  // entry point for an empty table, then patch the length
  dump.resize(32);
  uint32_t n = static_cast<uint32_t>(table.size());
  for (int i = 0; i < 4; ++i) dump[0x0C + i] = static_cast<uint8_t>(n >> (8 * i));
  uint8_t sum = 0;
  dump[0x05] = 0;
  for (int i = 0; i < 0x18; ++i) sum = static_cast<uint8_t>(sum + dump[i]);
  dump[0x05] = static_cast<uint8_t>(0x100 - sum);
  dump.insert(dump.end(), table.begin(), table.end());
  return dump;
}

TEST(SmbiosHostile, EveryCutOfTheTableKeepsWhatCameBefore) {
  Bytes table = GoodTable();
  size_t arrayEnd = EncodeArray(SystemArray(2)).size();
  size_t firstDeviceEnd = arrayEnd + EncodeDevice(Ddr4Module("DIMM_A1")).size();
  for (size_t cut = 0; cut < table.size(); ++cut) {
    Bytes dump = WithEntryPoint(Bytes(table.begin(), table.begin() + cut));
    if (cut < arrayEnd) {
      EXPECT_THROW(ReadSmbiosDump(dump), SmbiosError) << cut;
      continue;
    }
    SmbiosMemoryInventory inv = MapSmbiosMemory(ReadSmbiosDump(dump));
    EXPECT_EQ(Arrays(inv).size(), 1u);
    EXPECT_EQ(Modules(inv).size(), cut < firstDeviceEnd ? 0u : 1u) << cut;
  }
}

TEST(SmbiosHostile, UnterminatedStringSetEndsTheWalkWithAReason) {
  Bytes table = GoodTable();
  table.pop_back();  // the last double NUL loses its second byte
  SmbiosTable t = ReadSmbiosDump(WithEntryPoint(table));
  EXPECT_EQ(t.cutShort.rfind("unterminated string set", 0), 0u) << t.cutShort;
  EXPECT_EQ(Modules(MapSmbiosMemory(t)).size(), 1u);
}

TEST(SmbiosHostile, StructureLongerThanTheTable) {
  Bytes table = EncodeDevice(Ddr4Module("DIMM_A1"));
  table[1] = 0xF0;
  try {
    ReadSmbiosDump(WithEntryPoint(table));
    FAIL() << "no error";
  } catch (const SmbiosError& e) {
    EXPECT_STREQ(e.what(), "no structure in the table (structure cut off at offset 0)");
  }
  table = Concat({EncodeArray(SystemArray(1)), table});
  SmbiosTable t = ReadSmbiosDump(WithEntryPoint(table));
  EXPECT_EQ(t.structures.size(), 1u);
  EXPECT_EQ(t.cutShort.rfind("structure cut off", 0), 0u) << t.cutShort;
}

TEST(SmbiosHostile, LengthBelowTheHeaderStopsTheWalk) {
  Bytes table = Concat({EncodeDevice(Ddr4Module("DIMM_A1")), Bytes{17, 2, 0, 0, 0, 0}});
  SmbiosTable t = ReadSmbiosDump(WithEntryPoint(table));
  EXPECT_EQ(t.structures.size(), 1u);
  EXPECT_EQ(t.cutShort.rfind("structure with invalid length 2", 0), 0u) << t.cutShort;
}

TEST(SmbiosHostile, StringNumbersPastTheSetAreNull) {
  DumpDevice d = Ddr4Module("DIMM_A1");
  d.stringNumbers = {{0x10, 200}, {0x17, 6}, {0x1A, 255}};  // the set holds 5
  SmbiosMemoryInventory inv = MapDump({EncodeDevice(d)});
  ASSERT_EQ(Modules(inv).size(), 1u);
  EXPECT_TRUE(Prop(Modules(inv)[0], "DeviceLocator").IsNull());
  EXPECT_TRUE(Prop(Modules(inv)[0], "Manufacturer").IsNull());
  EXPECT_TRUE(Prop(Modules(inv)[0], "PartNumber").IsNull());
  EXPECT_EQ(Prop(Modules(inv)[0], "SerialNumber").AsText(), "0x1234ABCD");
}

TEST(SmbiosHostile, FilesThatAreNotSmbios) {
  EXPECT_THROW(ReadSmbiosDump(Bytes{}), SmbiosError);
  EXPECT_THROW(ReadSmbiosDump(Bytes{0, 1, 2}), SmbiosError);
  Bytes text = {'h', 'e', 'l', 'l', 'o', '\n'};
  EXPECT_THROW(ReadSmbiosDump(text), SmbiosError);
  Bytes entryOnly = WriteDump({});
  entryOnly.resize(0x18);  // the table it names is not in the file
  EXPECT_THROW(ReadSmbiosDump(entryOnly), SmbiosError);
  Bytes cutEntry = WriteDump({});
  cutEntry.resize(0x10);
  EXPECT_THROW(ReadSmbiosDump(cutEntry), SmbiosError);
}

Bytes Repeated(const Bytes& structure, size_t times) {
  Bytes bytes;
  bytes.reserve(structure.size() * times);
  for (size_t i = 0; i < times; ++i) bytes.insert(bytes.end(), structure.begin(), structure.end());
  return bytes;
}

size_t LongestText(const SmbiosTable& table) {
  size_t longest = 0;
  for (const SmbiosStructure& s : table.structures) {
    for (const std::string& text : s.strings) longest = std::max(longest, text.size());
  }
  return longest;
}

// Tables under the file size cap that would cost minutes and gigabytes if read whole: the
// reader keeps the first 4096 arrays and devices, counts the rest, and cuts long texts.
TEST(SmbiosHostile, TablesOverTheLimits) {
  const Bytes device = EncodeDevice(Ddr4Module("DIMM"));
  const Bytes array = EncodeArray(SystemArray(2));
  struct Case {
    const char* name;
    Bytes table;
    size_t structures, skippedArrays, skippedDevices, longestText;
  };
  const Case cases[] = {
      {"devices at the limit", Repeated(device, 4096), 4096, 0, 0, 16},
      {"one device over", Repeated(device, 4097), 4096, 0, 1, 16},
      {"arrays and devices over", Concat({Repeated(array, 5000), Repeated(device, 4100)}), 8192, 904, 4, 16},
      {"text over the limit", EncodeDevice(Ddr4Module(std::string(300, 'L'))), 1, 0, 0, 259},
  };
  for (const Case& c : cases) {
    SmbiosTable t = ReadSmbiosDump(WithEntryPoint(c.table));
    EXPECT_EQ(t.structures.size(), c.structures) << c.name;
    EXPECT_EQ(t.skipped.memoryArrays, c.skippedArrays) << c.name;
    EXPECT_EQ(t.skipped.memoryDevices, c.skippedDevices) << c.name;
    EXPECT_EQ(LongestText(t), c.longestText) << c.name;
    EXPECT_EQ(t.cutShort, "") << c.name;
  }
}

// A cut text ends in the mark, and never inside a UTF-8 sequence.
TEST(SmbiosHostile, LongTextsEndInTheMark) {
  std::string euros;
  for (int i = 0; i < 100; ++i) euros += "\xE2\x82\xAC";
  const std::pair<std::string, std::string> cases[] = {
      {std::string(300, 'L'), std::string(256, 'L') + "..."},
      {euros, euros.substr(0, 255) + "..."},  // 256 bytes would end one byte into a character
  };
  for (const auto& [text, shown] : cases) {
    SmbiosMemoryInventory inv = MapDump({EncodeDevice(Ddr4Module(text))});
    EXPECT_EQ(Prop(Modules(inv)[0], "DeviceLocator").AsText(), shown);
  }
}

// Random bytes, bare and behind a valid entry point, and random damage to a good dump: the
// outcome is an error or a table, never a read outside the buffer.
TEST(SmbiosHostile, RandomBytesAndRandomDamage) {
  std::mt19937 rng(20240611);
  Bytes good = WithEntryPoint(GoodTable());
  int errors = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes;
    if (round % 3 == 0) {
      bytes.resize(rng() % 300);
      for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    } else if (round % 3 == 1) {
      Bytes junk(rng() % 300);
      for (uint8_t& b : junk) b = static_cast<uint8_t>(rng() % 4 == 0 ? 0 : rng());
      bytes = WithEntryPoint(junk);
    } else {
      bytes = good;
      for (int i = 0; i < 4; ++i) bytes[32 + rng() % (bytes.size() - 32)] = static_cast<uint8_t>(rng());
    }
    try {
      SmbiosMemoryInventory inv = MapSmbiosMemory(ReadSmbiosDump(bytes));
      EXPECT_LE(Modules(inv).size() + inv.emptySlots.size(), bytes.size());
    } catch (const SmbiosError&) {
      ++errors;
    }
  }
  EXPECT_GT(errors, 0);
}

}  // namespace
