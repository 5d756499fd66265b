// Reading tables from files, and the firmware's tables from the folder Linux keeps them in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/temp_folder.h"
#include "inventory/smbios/smbios_source.h"
#include "inventory/smbios/smbios_test_util.h"

namespace {

namespace fs = std::filesystem;

class SmbiosSource : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("MODULIX_DMI_TABLES"); }
  std::string Path(const std::string& name) const { return folder_.File(name).string(); }
  TempFolder folder_;
  const fs::path& dir_ = folder_.Path();
};

Bytes SampleDump() {
  return WriteDump({EncodeArray(SystemArray(2)), EncodeDevice(Ddr4Module("DIMM_A1"))});
}

TEST_F(SmbiosSource, ReadsADumpFile) {
  SaveBytes(Path("dump.bin"), SampleDump());
  SmbiosTable t = LoadSmbiosDumpFile(Path("dump.bin"));
  EXPECT_EQ(Modules(MapSmbiosMemory(t)).size(), 1u);
}

// The file is read into a buffer that starts at one page and doubles: every size comes back
// whole, at the page and doubling edges too, up to the limit and not one byte past it.
TEST_F(SmbiosSource, ReadsEveryByteOfFilesAroundTheBufferEdgesUpToTheLimit) {
  for (size_t size : {size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{8192},
                      size_t{12289}, size_t{70000}}) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    SaveBytes(Path("file.bin"), bytes);
    EXPECT_EQ(ReadSmbiosFile(Path("file.bin")), bytes) << size << " bytes";
  }
  SaveBytes(Path("limit.bin"), Bytes(kMaxSmbiosFileSize, 0x5A));
  EXPECT_EQ(ReadSmbiosFile(Path("limit.bin")).size(), kMaxSmbiosFileSize);
  SaveBytes(Path("over.bin"), Bytes(kMaxSmbiosFileSize + 1, 0x5A));
  try {
    ReadSmbiosFile(Path("over.bin"));
    FAIL() << "no error";
  } catch (const SmbiosReadError& e) {
    EXPECT_EQ(e.Reason(), "it holds more than 16 MiB");
  }
}

TEST_F(SmbiosSource, ErrorsNameTheFileAndTheReason) {
  try {
    LoadSmbiosDumpFile(Path("missing.bin"));
    FAIL() << "no error";
  } catch (const SmbiosReadError& e) {
    EXPECT_EQ(e.File(), Path("missing.bin"));
    EXPECT_EQ(e.Reason(), "No such file or directory");
  }
  SaveBytes(Path("empty.bin"), {});
  try {
    LoadSmbiosDumpFile(Path("empty.bin"));
    FAIL() << "no error";
  } catch (const SmbiosReadError& e) {
    EXPECT_EQ(e.Reason(), "the file is empty");
  }
  EXPECT_THROW(LoadSmbiosDumpFile(dir_.string()), SmbiosReadError);  // a folder
}

TEST_F(SmbiosSource, FirmwareTablesFromTheKernelFolder) {
  Bytes dump = SampleDump();
  SaveBytes(Path("smbios_entry_point"), Bytes(dump.begin(), dump.begin() + 0x18));
  SaveBytes(Path("DMI"), Bytes(dump.begin() + 32, dump.end()));
  setenv("MODULIX_DMI_TABLES", dir_.c_str(), 1);
  EXPECT_EQ(FirmwareTablesFolder(), dir_.string());
  EXPECT_EQ(Modules(MapSmbiosMemory(LoadFirmwareSmbios())).size(), 1u);

  fs::remove(Path("DMI"));
  try {
    LoadFirmwareSmbios();
    FAIL() << "no error";
  } catch (const SmbiosReadError& e) {
    EXPECT_EQ(e.File(), Path("DMI"));
  }
  unsetenv("MODULIX_DMI_TABLES");
  EXPECT_EQ(FirmwareTablesFolder(), "/sys/firmware/dmi/tables");
}

// Firmware built to SMBIOS 2.1 says its 2.x entry point is 0x1E bytes long, one short of the
// structure, and Linux exports that many: the last byte of the intermediate anchor is missing.
TEST_F(SmbiosSource, FirmwareEntryPointsOfThirtyAndThirtyOneBytes) {
  setenv("MODULIX_DMI_TABLES", dir_.c_str(), 1);
  struct Case {
    uint8_t stated;
    size_t fileSize;
  };
  for (Case c : {Case{0x1E, 30}, Case{0x1E, 31}, Case{0x1F, 31}}) {
    SCOPED_TRACE("length " + std::to_string(c.stated) + ", file of " + std::to_string(c.fileSize));
    DumpOptions v2;
    v2.entry = EntryKind::Smbios2;
    v2.major = 2;
    v2.minor = 1;
    v2.entry2Length = c.stated;
    Bytes dump = WriteDump({EncodeArray(SystemArray(2)), EncodeDevice(Ddr4Module("DIMM_A1"))}, v2);
    SaveBytes(Path("smbios_entry_point"), Bytes(dump.begin(), dump.begin() + c.fileSize));
    SaveBytes(Path("DMI"), Bytes(dump.begin() + 32, dump.end()));
    SmbiosTable t = LoadFirmwareSmbios();
    EXPECT_EQ(t.majorVersion, 2);
    EXPECT_EQ(t.minorVersion, 1);
    EXPECT_EQ(Modules(MapSmbiosMemory(t)).size(), 1u);

    // The entry point's own checksum still guards every byte it has.
    Bytes damaged(dump.begin(), dump.begin() + c.fileSize);
    damaged[0x18] ^= 0x01;  // the table address
    SaveBytes(Path("smbios_entry_point"), damaged);
    EXPECT_THROW(LoadFirmwareSmbios(), SmbiosReadError);
  }

  // Shorter than any 2.x entry point ever was.
  DumpOptions tooShort;
  tooShort.entry = EntryKind::Smbios2;
  tooShort.entry2Length = 0x1D;
  Bytes dump = WriteDump({EncodeDevice(Ddr4Module("DIMM_A1"))}, tooShort);
  SaveBytes(Path("smbios_entry_point"), Bytes(dump.begin(), dump.begin() + 0x1D));
  try {
    LoadFirmwareSmbios();
    FAIL() << "no error";
  } catch (const SmbiosReadError& e) {
    EXPECT_EQ(e.Reason(), "the entry point has an invalid length");
  }
}

}  // namespace
