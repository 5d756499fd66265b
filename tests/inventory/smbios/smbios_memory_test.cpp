// The SMBIOS memory structures as Win32_PhysicalMemory and Win32_PhysicalMemoryArray instances.
#include <gtest/gtest.h>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "inventory/smbios/smbios_test_util.h"

namespace {

constexpr int64_t kMB = 1024 * 1024;
constexpr int64_t kGB = 1024 * kMB;

PropertyValue ModuleProp(const std::vector<Bytes>& structures, const std::string& name) {
  SmbiosMemoryInventory inv = MapDump(structures);
  if (Modules(inv).size() != 1) return PropertyValue();
  return Prop(Modules(inv)[0], name);
}

int64_t CapacityOf(DumpDevice d) {
  PropertyValue v = ModuleProp({EncodeArray(SystemArray(1)), EncodeDevice(d)}, "Capacity");
  return v.IsNull() ? -1 : v.AsInt64();
}

TEST(SmbiosMemory, CapacityInMegabytesKilobytesAndTheExtendedField) {
  DumpDevice d = Ddr4Module("DIMM_A1");
  d.size = 512;
  EXPECT_EQ(CapacityOf(d), 512 * kMB);
  d.size = 0x8000 | 512;  // bit 15: kilobytes
  EXPECT_EQ(CapacityOf(d), 512 * 1024);
  d.size = 0x7FFF;
  d.extendedSize = 64 * 1024;  // 64 GB in MB
  EXPECT_EQ(CapacityOf(d), 64 * kGB);
  d.extendedSize = 0x80000000u | 2048;  // bit 31 is reserved
  EXPECT_EQ(CapacityOf(d), 2 * kGB);
  d.size = 0xFFFF;
  EXPECT_EQ(CapacityOf(d), -1);
  d.size = 0x7FFF;
  d.length = 0x1B;  // too short for the extended size: unknown, still a module
  EXPECT_EQ(CapacityOf(d), -1);
}

TEST(SmbiosMemory, CapacityComesAsDecimalTextLikeOtherWmiUint64) {
  PropertyValue v = ModuleProp({EncodeDevice(Ddr4Module("A"))}, "Capacity");
  EXPECT_EQ(v.Kind(), ValueKind::Text);
  EXPECT_EQ(v.AsText(), "8589934592");
}

TEST(SmbiosMemory, SpeedsUseTheExtendedFieldsOnlyWhenTheStructureHasThem) {
  DumpDevice d = Ddr4Module("A");
  d.length = 0x5C;
  d.speed = 0xFFFF;
  d.extendedSpeed = 70000;
  d.configuredSpeed = 0xFFFF;
  d.extendedConfiguredSpeed = 68000;
  EXPECT_EQ(ModuleProp({EncodeDevice(d)}, "Speed").AsInt64(), 70000);
  EXPECT_EQ(ModuleProp({EncodeDevice(d)}, "ConfiguredClockSpeed").AsInt64(), 68000);
  d.length = 0x54;  // a 3.2 structure: 0xFFFF with nothing to hand over to is unknown
  EXPECT_TRUE(ModuleProp({EncodeDevice(d)}, "Speed").IsNull());
  EXPECT_TRUE(ModuleProp({EncodeDevice(d)}, "ConfiguredClockSpeed").IsNull());
  d.speed = 0;  // 0 is unknown too
  EXPECT_TRUE(ModuleProp({EncodeDevice(d)}, "Speed").IsNull());
  d.speed = 4800;
  EXPECT_EQ(ModuleProp({EncodeDevice(d)}, "Speed").AsInt64(), 4800);
}

TEST(SmbiosMemory, MemoryTypeKeepsTheRawByteAndDerivesTheWmiCode) {
  const std::pair<uint8_t, int64_t> cases[] = {{0x12, 20}, {0x13, 21}, {0x14, 22}, {0x18, 24},
                                               {0x19, 25}, {0x1A, 26}, {0x22, 0},  {0x1E, 0},
                                               {0x0F, 0},  {0x02, 0},  {0x15, 0}};
  for (auto [smbios, wmi] : cases) {
    DumpDevice d = Ddr4Module("A");
    d.memoryType = smbios;
    SmbiosMemoryInventory inv = MapDump({EncodeDevice(d)});
    ASSERT_EQ(Modules(inv).size(), 1u);
    EXPECT_EQ(Prop(Modules(inv)[0], "MemoryType").AsInt64(), wmi) << int(smbios);
    EXPECT_EQ(Prop(Modules(inv)[0], "SMBIOSMemoryType").AsInt64(), smbios);
  }
}

TEST(SmbiosMemory, FormFactorBecomesTheWmiCode) {
  const std::pair<uint8_t, int64_t> cases[] = {{0x09, 8}, {0x0D, 12}, {0x03, 7}, {0x0C, 11},
                                               {0x0E, 13}, {0x02, 0}, {0x01, 1}, {0x0B, 1},
                                               {0x0F, 8}, {0x08, 6}};
  for (auto [smbios, wmi] : cases) {
    DumpDevice d = Ddr4Module("A");
    d.formFactor = smbios;
    EXPECT_EQ(ModuleProp({EncodeDevice(d)}, "FormFactor").AsInt64(), wmi) << int(smbios);
    EXPECT_EQ(ModuleProp({EncodeDevice(d)}, "SMBIOSFormFactor").AsInt64(), smbios);
  }
  DumpDevice d = Ddr4Module("A");
  d.formFactor = 0x40;  // beyond the table
  EXPECT_TRUE(ModuleProp({EncodeDevice(d)}, "FormFactor").IsNull());
}

TEST(SmbiosMemory, TextsWidthsVoltagesAndRank) {
  DumpDevice d = Ddr4Module("ChannelA-DIMM0");
  d.totalWidth = 72;
  d.dataWidth = 64;
  d.typeDetail = 0x2080;  // synchronous, registered
  d.attributes = 0x02;
  d.minVoltage = 1200;
  d.maxVoltage = 1350;
  d.configuredVoltage = 1200;
  SmbiosMemoryInventory inv = MapDump({EncodeDevice(d)});
  ASSERT_EQ(Modules(inv).size(), 1u);
  const WmiInstanceData& m = Modules(inv)[0];
  EXPECT_EQ(Prop(m, "DeviceLocator").AsText(), "ChannelA-DIMM0");
  EXPECT_EQ(Prop(m, "BankLabel").AsText(), "BANK 0");
  EXPECT_EQ(Prop(m, "Manufacturer").AsText(), "Samsung");
  EXPECT_EQ(Prop(m, "SerialNumber").AsText(), "0x1234ABCD");
  EXPECT_EQ(Prop(m, "PartNumber").AsText(), "M378A1K43DB2-CWE");
  EXPECT_EQ(Prop(m, "TotalWidth").AsInt64(), 72);
  EXPECT_EQ(Prop(m, "DataWidth").AsInt64(), 64);
  EXPECT_EQ(Prop(m, "TypeDetail").AsInt64(), 0x2080);
  EXPECT_EQ(Prop(m, "Attributes").AsInt64(), 2);
  EXPECT_EQ(Prop(m, "MinVoltage").AsInt64(), 1200);
  EXPECT_EQ(Prop(m, "MaxVoltage").AsInt64(), 1350);
  EXPECT_EQ(Prop(m, "ConfiguredVoltage").AsInt64(), 1200);
  EXPECT_EQ(Prop(m, "ConfiguredClockSpeed").AsInt64(), 2933);
  EXPECT_EQ(Prop(m, "Tag").AsText(), "Physical Memory 0");
  d.totalWidth = d.dataWidth = 0xFFFF;
  d.manufacturer = "";  // string number 0
  inv = MapDump({EncodeDevice(d)});
  EXPECT_TRUE(Prop(Modules(inv)[0], "TotalWidth").IsNull());
  EXPECT_TRUE(Prop(Modules(inv)[0], "DataWidth").IsNull());
  EXPECT_TRUE(Prop(Modules(inv)[0], "Manufacturer").IsNull());
}

// Type 17 is 21 to 100 bytes in the wild: whatever the length, a field the structure cannot
// hold is null and nothing is read from the structure after it.
TEST(SmbiosMemory, ShortStructuresLeaveTheFieldsTheyCannotHoldNull) {
  struct Case {
    uint8_t length;
    bool speed, texts, rank, configured, voltage;
  };
  const Case cases[] = {{0x15, false, false, false, false, false},
                        {0x17, true, false, false, false, false},
                        {0x1B, true, true, false, false, false},
                        {0x1C, true, true, true, false, false},
                        {0x22, true, true, true, true, false},
                        {0x28, true, true, true, true, true},
                        {0x54, true, true, true, true, true},
                        {0x64, true, true, true, true, true}};
  for (const Case& c : cases) {
    DumpDevice d = Ddr4Module("DIMM_A1");
    d.length = c.length;
    d.attributes = 1;
    d.configuredVoltage = 1200;
    DumpDevice next = Ddr4Module("NEXT", 0x1101);
    next.length = 0x64;
    SmbiosMemoryInventory inv = MapDump({EncodeDevice(d), EncodeDevice(next)});
    ASSERT_EQ(Modules(inv).size(), 2u) << int(c.length);
    const WmiInstanceData& m = Modules(inv)[0];
    EXPECT_EQ(Prop(m, "Capacity").AsInt64(), 8 * kGB);
    EXPECT_EQ(Prop(m, "DeviceLocator").AsText(), "DIMM_A1");
    EXPECT_EQ(Prop(m, "Speed").IsNull(), !c.speed) << int(c.length);
    EXPECT_EQ(Prop(m, "Manufacturer").IsNull(), !c.texts) << int(c.length);
    EXPECT_EQ(Prop(m, "PartNumber").IsNull(), !c.texts) << int(c.length);
    EXPECT_EQ(Prop(m, "Attributes").IsNull(), !c.rank) << int(c.length);
    EXPECT_EQ(Prop(m, "ConfiguredClockSpeed").IsNull(), !c.configured) << int(c.length);
    EXPECT_EQ(Prop(m, "ConfiguredVoltage").IsNull(), !c.voltage) << int(c.length);
    EXPECT_EQ(Prop(Modules(inv)[1], "DeviceLocator").AsText(), "NEXT");
  }
}

TEST(SmbiosMemory, OnlySystemMemoryArraysAndTheirDevicesCount) {
  DumpArray video = SystemArray(1, 1024 * 1024);
  video.handle = 0x2000;
  video.use = 0x04;
  DumpArray flash = SystemArray(1, 16 * 1024);
  flash.handle = 0x3000;
  flash.use = 0x05;
  DumpDevice onVideo = Ddr4Module("VRAM", 0x2100);
  onVideo.arrayHandle = 0x2000;
  DumpDevice onFlash = Ddr4Module("FLASH", 0x3100);
  onFlash.arrayHandle = 0x3000;
  onFlash.size = 0;
  DumpDevice orphan = Ddr4Module("ORPHAN", 0x1102);
  orphan.arrayHandle = 0x7777;  // no such array: firmware got the handle wrong
  DumpDevice empty = Ddr4Module("DIMM_A2", 0x1101);
  empty.size = 0;
  SmbiosMemoryInventory inv =
      MapDump({EncodeArray(video), EncodeArray(SystemArray(2)), EncodeArray(flash),
               EncodeDevice(onVideo), EncodeDevice(Ddr4Module("DIMM_A1")), EncodeDevice(empty),
               EncodeDevice(onFlash), EncodeDevice(orphan)});
  ASSERT_EQ(Arrays(inv).size(), 1u);
  EXPECT_EQ(Prop(Arrays(inv)[0], "Use").AsInt64(), 3);
  ASSERT_EQ(Modules(inv).size(), 2u);
  EXPECT_EQ(Prop(Modules(inv)[0], "DeviceLocator").AsText(), "DIMM_A1");
  EXPECT_EQ(Prop(Modules(inv)[1], "DeviceLocator").AsText(), "ORPHAN");
  EXPECT_EQ(Prop(Modules(inv)[1], "Tag").AsText(), "Physical Memory 1");
  EXPECT_EQ(inv.emptySlots, std::vector<std::string>{"DIMM_A2"});
}

TEST(SmbiosMemory, ArrayCapacityInKilobytesWithTheExtendedMaximum) {
  DumpArray a = SystemArray(4, 32u * 1024 * 1024);
  a.location = 0xA1;
  a.correction = 0x06;
  SmbiosMemoryInventory inv = MapDump({EncodeArray(a)});
  ASSERT_EQ(Arrays(inv).size(), 1u);
  const WmiInstanceData& arr = Arrays(inv)[0];
  EXPECT_EQ(Prop(arr, "MaxCapacity").AsInt64(), 32 * kMB);
  EXPECT_EQ(Prop(arr, "MaxCapacityEx").AsInt64(), 32 * kMB);
  EXPECT_EQ(Prop(arr, "MemoryDevices").AsInt64(), 4);
  EXPECT_EQ(Prop(arr, "Location").AsInt64(), 12);
  EXPECT_EQ(Prop(arr, "MemoryErrorCorrection").AsInt64(), 6);

  a.maxCapacityKb = 0x80000000u;  // 6 TB in the 64-bit field, in bytes
  a.extMaxCapacityBytes = 6 * 1024 * kGB;
  inv = MapDump({EncodeArray(a)});
  EXPECT_EQ(Prop(Arrays(inv)[0], "MaxCapacity").AsInt64(), 0x80000000LL);
  EXPECT_EQ(Prop(Arrays(inv)[0], "MaxCapacityEx").AsInt64(), 6 * 1024 * kGB / 1024);

  a.length = 0x0F;  // a 2.1 structure cannot say: unknown rather than 2 TB
  inv = MapDump({EncodeArray(a)});
  EXPECT_TRUE(Prop(Arrays(inv)[0], "MaxCapacity").IsNull());
  EXPECT_TRUE(Prop(Arrays(inv)[0], "MaxCapacityEx").IsNull());
  EXPECT_EQ(Prop(Arrays(inv)[0], "MemoryDevices").AsInt64(), 4);
}

// The readers take the provider's instances as they take WMI's.
TEST(SmbiosMemory, ReadersLoadTheMappedClasses) {
  DumpDevice big = Ddr4Module("DIMM_B1", 0x1101);
  big.size = 0x7FFF;
  big.extendedSize = 128 * 1024;
  big.memoryType = 0x22;
  SmbiosMemoryInventory inv =
      MapDump({EncodeArray(SystemArray(4)), EncodeDevice(Ddr4Module("DIMM_A1")), EncodeDevice(big)});
  auto provider = MakeInMemoryProvider(inv.classes);
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  ASSERT_EQ(modules.Count(), 2);
  ASSERT_EQ(arrays.Count(), 1);
  EXPECT_EQ(arrays.MemoryDevices, 4);
  EXPECT_EQ(arrays.MaxCapacityEx, 64 * kMB);
  EXPECT_EQ(modules.DeviceLocator, "DIMM_A1");
  EXPECT_EQ(modules.Capacity, 8 * kGB);
  EXPECT_EQ(modules.MemoryType, 26);
  EXPECT_EQ(modules.Speed, 3200u);
  modules.SetCollectionIndex(1);
  EXPECT_EQ(modules.Capacity, 128 * kGB);
  EXPECT_EQ(modules.MemoryType, 0);
  EXPECT_EQ(modules.SMBIOSMemoryType, 0x22);
  EXPECT_EQ(modules.FormFactor, 8);
}

}  // namespace
