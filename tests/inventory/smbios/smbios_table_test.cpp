// Entry points, the structure walk and its string sets.
#include <gtest/gtest.h>

#include "inventory/smbios/smbios_dump_writer.h"
#include "inventory/smbios/smbios_table.h"

namespace {

std::vector<Bytes> TwoStructures() {
  return {EncodeStructure(1, 0x0001, {0xAA, 0xBB}, {"first", "second"}),
          EncodeStructure(17, 0x0002, {1}, {})};
}

TEST(SmbiosTable, ReadsBothEntryPointKindsAndABareTable) {
  DumpOptions v2;
  v2.entry = EntryKind::Smbios2;
  v2.major = 2;
  v2.minor = 8;
  SmbiosTable t2 = ReadSmbiosDump(WriteDump(TwoStructures(), v2));
  EXPECT_EQ(t2.majorVersion, 2);
  EXPECT_EQ(t2.minorVersion, 8);
  ASSERT_EQ(t2.structures.size(), 3u);  // end-of-table included
  EXPECT_EQ(t2.structures[2].type, kSmbiosEndOfTable);

  SmbiosTable t3 = ReadSmbiosDump(WriteDump(TwoStructures()));
  EXPECT_EQ(t3.majorVersion, 3);
  EXPECT_EQ(t3.minorVersion, 3);
  ASSERT_EQ(t3.structures.size(), 3u);
  EXPECT_TRUE(t3.cutShort.empty());

  DumpOptions bare;
  bare.entry = EntryKind::None;
  SmbiosTable raw = ReadSmbiosDump(WriteDump(TwoStructures(), bare));
  EXPECT_EQ(raw.majorVersion, 0);
  EXPECT_EQ(raw.structures.size(), 3u);
}

TEST(SmbiosTable, StructureFieldsAndStrings) {
  SmbiosTable t = ReadSmbiosDump(WriteDump(TwoStructures()));
  const SmbiosStructure& s = t.structures[0];
  EXPECT_EQ(s.type, 1);
  EXPECT_EQ(s.handle, 0x0001);
  EXPECT_EQ(s.Length(), 6);
  EXPECT_TRUE(s.Holds(4, 2));
  EXPECT_FALSE(s.Holds(5, 2));
  EXPECT_EQ(s.String(1), "first");
  EXPECT_EQ(s.String(2), "second");
  EXPECT_EQ(s.String(0), std::nullopt);
  EXPECT_EQ(s.String(3), std::nullopt);
  EXPECT_TRUE(t.structures[1].strings.empty());
}

TEST(SmbiosTable, KernelFilesAndTheWindowsFirmwareBuffer) {
  Bytes dump = WriteDump(TwoStructures(), {});
  Bytes entry(dump.begin(), dump.begin() + 0x18);
  Bytes table(dump.begin() + 32, dump.end());
  EXPECT_EQ(ReadSmbiosTables(entry, table).structures.size(), 3u);

  Bytes rsmb = {0, 3, 4, 0};
  uint32_t n = static_cast<uint32_t>(table.size());
  for (int i = 0; i < 4; ++i) rsmb.push_back(static_cast<uint8_t>(n >> (8 * i)));
  rsmb.insert(rsmb.end(), table.begin(), table.end());
  SmbiosTable fromFirmware = ReadRawSmbiosData(rsmb);
  EXPECT_EQ(fromFirmware.majorVersion, 3);
  EXPECT_EQ(fromFirmware.minorVersion, 4);
  EXPECT_EQ(fromFirmware.structures.size(), 3u);
  EXPECT_THROW(ReadRawSmbiosData(Bytes{0, 3, 4}), SmbiosError);
}

TEST(SmbiosTable, EntryPointChecksumsAndAnchorsAreChecked) {
  for (EntryKind kind : {EntryKind::Smbios2, EntryKind::Smbios3}) {
    DumpOptions bad;
    bad.entry = kind;
    bad.badChecksum = true;
    Bytes dump = WriteDump(TwoStructures(), bad);
    EXPECT_THROW(ReadSmbiosDump(dump), SmbiosError);
    try {
      ReadSmbiosDump(dump);
    } catch (const SmbiosError& e) {
      EXPECT_STREQ(e.what(), "the entry point checksum is wrong");
    }
  }
  DumpOptions v2;
  v2.entry = EntryKind::Smbios2;
  Bytes dump = WriteDump(TwoStructures(), v2);
  dump[0x15] += 1;  // the intermediate checksum goes wrong while the outer sum stays right
  dump[0x04] -= 1;
  EXPECT_THROW(ReadSmbiosDump(dump), SmbiosError);
  EXPECT_THROW(ParseSmbiosEntryPoint(Bytes{'_', 'S', 'M', '3', '_'}), SmbiosError);
  EXPECT_THROW(ParseSmbiosEntryPoint(Bytes{'_', 'X', 'M', '_'}), SmbiosError);
}

TEST(SmbiosTable, TheStructureCountOfA2xEntryPointEndsTheWalk) {
  Bytes table = Concat(TwoStructures());
  table.push_back(0x55);  // garbage after the counted structures is never looked at
  SmbiosTable t = WalkSmbiosTable(table, 2);
  EXPECT_EQ(t.structures.size(), 2u);
  EXPECT_TRUE(t.cutShort.empty());
}

TEST(SmbiosTable, ZeroPaddingAfterTheLastStructureIsNotAFault) {
  Bytes table = Concat(TwoStructures());
  table.resize(table.size() + 16, 0);
  SmbiosTable t = WalkSmbiosTable(table);
  EXPECT_EQ(t.structures.size(), 2u);
  EXPECT_TRUE(t.cutShort.empty());
}

}  // namespace
