// The two memory readers: every field with its converter, in the fixed reading order.
#include <gtest/gtest.h>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "inventory/wmi/wmi_test_support.h"

namespace {

constexpr const char* kModules = R"({"Win32_PhysicalMemory": [
  {"BankLabel": "BANK 0", "Capacity": "17179869184", "Caption": "Physical Memory",
   "CreationClassName": "Win32_PhysicalMemory", "DataWidth": 64, "Description": "Module",
   "DeviceLocator": "DIMM1", "FormFactor": 8, "HotSwappable": true,
   "InstallDate": "20090715123456.000000+000", "InterleaveDataDepth": 2,
   "InterleavePosition": -1, "Manufacturer": "Kingston", "MemoryType": 24, "Model": "M",
   "Name": "Physical Memory 0", "OtherIdentifyingInfo": "O", "PartNumber": "KVR1333",
   "PositionInRow": 1, "PoweredOn": true, "Removable": true, "Replaceable": true,
   "SerialNumber": "1A2B", "SKU": "S", "Speed": 1333, "Status": "OK", "Tag": "T0",
   "TotalWidth": 72, "TypeDetail": 128, "Version": "V", "SMBIOSMemoryType": 24},
  {"BankLabel": "BANK 1", "Capacity": "4294967296", "Caption": "C1",
   "CreationClassName": "Win32_PhysicalMemory", "DataWidth": 32, "Description": "D1",
   "DeviceLocator": "DIMM2", "FormFactor": 12, "HotSwappable": false,
   "InstallDate": "2009ab15123456.000000+000", "InterleaveDataDepth": 9,
   "InterleavePosition": 9, "Manufacturer": "Samsung", "MemoryType": 21, "Model": null,
   "Name": "N1", "OtherIdentifyingInfo": null, "PartNumber": null, "PositionInRow": 9,
   "PoweredOn": false, "Removable": false, "Replaceable": false, "SerialNumber": null,
   "SKU": null, "Speed": 800, "Status": null, "Tag": "T1", "TotalWidth": 64,
   "TypeDetail": 4, "Version": null, "SMBIOSMemoryType": 19},
  {"BankLabel": null, "Capacity": null, "Manufacturer": null, "PartNumber": null,
   "SerialNumber": null, "MemoryType": null, "Speed": null, "InstallDate": null,
   "Caption": null, "CreationClassName": null, "DataWidth": null, "Description": null,
   "DeviceLocator": null, "FormFactor": null, "HotSwappable": null,
   "InterleaveDataDepth": null, "InterleavePosition": null, "Model": null, "Name": null,
   "OtherIdentifyingInfo": null, "PositionInRow": null, "PoweredOn": null, "Removable": null,
   "Replaceable": null, "SKU": null, "Status": null, "Tag": null, "TotalWidth": null,
   "TypeDetail": null, "Version": null, "SMBIOSMemoryType": null}
]})";

TEST(PhysicalMemoryReader, ReadsEveryField) {
  TWin32_PhysicalMemory m(true, ProviderFromJson(kModules));
  ASSERT_EQ(m.Count(), 3);
  EXPECT_EQ(m.BankLabel, "BANK 0");
  EXPECT_EQ(m.Capacity, 17179869184LL);
  EXPECT_EQ(m.Caption, "Physical Memory");
  EXPECT_EQ(m.CreationClassName, "Win32_PhysicalMemory");
  EXPECT_EQ(m.DataWidth, 64);
  EXPECT_EQ(m.Description, "Module");
  EXPECT_EQ(m.DeviceLocator, "DIMM1");
  EXPECT_EQ(m.FormFactor, 8);
  EXPECT_TRUE(m.HotSwappable);
  EXPECT_DOUBLE_EQ(m.InstallDate, 40009 + 45296.0 / 86400);
  EXPECT_EQ(m.InterleaveDataDepth, 2);
  EXPECT_EQ(m.InterleavePosition, 0xFFFFFFFFu);
  EXPECT_EQ(m.Manufacturer, "Kingston");
  EXPECT_EQ(m.MemoryType, 24);
  EXPECT_EQ(m.Model, "M");
  EXPECT_EQ(m.Name, "Physical Memory 0");
  EXPECT_EQ(m.OtherIdentifyingInfo, "O");
  EXPECT_EQ(m.PartNumber, "KVR1333");
  EXPECT_EQ(m.PositionInRow, 1u);
  EXPECT_TRUE(m.PoweredOn && m.Removable && m.Replaceable);
  EXPECT_EQ(m.SerialNumber, "1A2B");
  EXPECT_EQ(m.SKU, "S");
  EXPECT_EQ(m.Speed, 1333u);
  EXPECT_EQ(m.Status, "OK");
  EXPECT_EQ(m.Tag, "T0");
  EXPECT_EQ(m.TotalWidth, 72);
  EXPECT_EQ(m.TypeDetail, 128);
  EXPECT_EQ(m.Version, "V");
  EXPECT_EQ(m.SMBIOSMemoryType, 24);
}

TEST(PhysicalMemoryReader, NullsGiveDefaults) {
  TWin32_PhysicalMemory m(true, ProviderFromJson(kModules));
  m.SetCollectionIndex(2);
  EXPECT_EQ(m.Manufacturer, "");
  EXPECT_EQ(m.PartNumber, "");
  EXPECT_EQ(m.SerialNumber, "");
  EXPECT_EQ(m.Capacity, 0);
  EXPECT_EQ(m.Speed, 0u);
  EXPECT_EQ(m.InstallDate, 0.0);
  EXPECT_FALSE(m.HotSwappable);
  EXPECT_EQ(m.SMBIOSMemoryType, 0);
}

TEST(PhysicalMemoryReader, ConversionErrorStopsHalfway) {
  TWin32_PhysicalMemory m(true, ProviderFromJson(kModules));
  // InstallDate, the tenth field, is not a date in the second instance.
  EXPECT_THROW(m.SetCollectionIndex(1), ConversionError);
  EXPECT_EQ(m.CurrentIndex(), 1);
  // Fields before it hold the second instance...
  EXPECT_EQ(m.BankLabel, "BANK 1");
  EXPECT_EQ(m.Capacity, 4294967296LL);
  EXPECT_EQ(m.DeviceLocator, "DIMM2");
  EXPECT_EQ(m.FormFactor, 12);
  EXPECT_FALSE(m.HotSwappable);
  // ...the failing one and those after it still the first.
  EXPECT_DOUBLE_EQ(m.InstallDate, 40009 + 45296.0 / 86400);
  EXPECT_EQ(m.InterleaveDataDepth, 2);
  EXPECT_EQ(m.Manufacturer, "Kingston");
  EXPECT_EQ(m.Speed, 1333u);
  EXPECT_EQ(m.SMBIOSMemoryType, 24);
  // The same index again reads nothing and so raises nothing.
  EXPECT_NO_THROW(m.SetCollectionIndex(1));
}

TEST(PhysicalMemoryReader, SmbiosTypeIsNullWhereTheClassLacksIt) {
  TWin32_PhysicalMemory m(true, ProviderFromDataFile("wmi_4dev_2mod.json"));
  ASSERT_EQ(m.Count(), 2);
  EXPECT_EQ(m.SMBIOSMemoryType, 0);
  EXPECT_TRUE(m.PropertyValue("SMBIOSMemoryType").IsNull());
}

constexpr const char* kArrays = R"({"Win32_PhysicalMemoryArray": [
  {"Caption": "Array 0", "CreationClassName": "Win32_PhysicalMemoryArray", "Depth": 1.5,
   "Description": "D0", "Height": 2.5, "HotSwappable": true,
   "InstallDate": "20090715123456.000000+000", "Location": 3, "Manufacturer": "Maker",
   "MaxCapacity": 33554432, "MemoryDevices": 4, "MemoryErrorCorrection": 6, "Model": "M",
   "Name": "Physical Memory Array", "OtherIdentifyingInfo": "O", "PartNumber": "P",
   "PoweredOn": true, "Removable": true, "Replaceable": true, "SerialNumber": "S",
   "SKU": "K", "Status": "OK", "Tag": "Physical Memory Array 0", "Use": 3, "Version": "V",
   "Weight": 0.25, "Width": 3.75, "MaxCapacityEx": "33554432"},
  {"Caption": "Array 1", "CreationClassName": "Win32_PhysicalMemoryArray", "Depth": null,
   "Description": null, "Height": null, "HotSwappable": false, "InstallDate": null,
   "Location": 4, "Manufacturer": "Other", "MaxCapacity": "lots", "MemoryDevices": 2,
   "MemoryErrorCorrection": 3, "Model": null, "Name": null, "OtherIdentifyingInfo": null,
   "PartNumber": null, "PoweredOn": null, "Removable": null, "Replaceable": null,
   "SerialNumber": null, "SKU": null, "Status": null, "Tag": null, "Use": 4,
   "Version": null, "Weight": null, "Width": null, "MaxCapacityEx": "6442450944"}
]})";

TEST(PhysicalMemoryArrayReader, ReadsEveryField) {
  TWin32_PhysicalMemoryArray a(true, ProviderFromJson(kArrays));
  ASSERT_EQ(a.Count(), 2);
  EXPECT_EQ(a.Caption, "Array 0");
  EXPECT_EQ(a.CreationClassName, "Win32_PhysicalMemoryArray");
  EXPECT_DOUBLE_EQ(a.Depth, 1.5);
  EXPECT_EQ(a.Description, "D0");
  EXPECT_DOUBLE_EQ(a.Height, 2.5);
  EXPECT_TRUE(a.HotSwappable);
  EXPECT_DOUBLE_EQ(a.InstallDate, 40009 + 45296.0 / 86400);
  EXPECT_EQ(a.Location, 3);
  EXPECT_EQ(a.Manufacturer, "Maker");
  EXPECT_EQ(a.MaxCapacity, 33554432u);
  EXPECT_EQ(a.MemoryDevices, 4);
  EXPECT_EQ(a.MemoryErrorCorrection, 6);
  EXPECT_EQ(a.Model, "M");
  EXPECT_EQ(a.Name, "Physical Memory Array");
  EXPECT_EQ(a.OtherIdentifyingInfo, "O");
  EXPECT_EQ(a.PartNumber, "P");
  EXPECT_TRUE(a.PoweredOn && a.Removable && a.Replaceable);
  EXPECT_EQ(a.SerialNumber, "S");
  EXPECT_EQ(a.SKU, "K");
  EXPECT_EQ(a.Status, "OK");
  EXPECT_EQ(a.Tag, "Physical Memory Array 0");
  EXPECT_EQ(a.Use, 3);
  EXPECT_EQ(a.Version, "V");
  EXPECT_DOUBLE_EQ(a.Weight, 0.25);
  EXPECT_DOUBLE_EQ(a.Width, 3.75);
  EXPECT_EQ(a.MaxCapacityEx, 33554432);
}

TEST(PhysicalMemoryArrayReader, ConversionErrorStopsHalfway) {
  TWin32_PhysicalMemoryArray a(true, ProviderFromJson(kArrays));
  EXPECT_THROW(a.SetCollectionIndex(1), ConversionError);  // MaxCapacity "lots"
  EXPECT_EQ(a.Caption, "Array 1");
  EXPECT_EQ(a.Depth, 0.0);
  EXPECT_EQ(a.Location, 4);
  EXPECT_EQ(a.Manufacturer, "Other");
  EXPECT_EQ(a.MaxCapacity, 33554432u);
  EXPECT_EQ(a.MemoryDevices, 4);
  EXPECT_EQ(a.Use, 3);
  EXPECT_EQ(a.MaxCapacityEx, 33554432);
}

TEST(PhysicalMemoryArrayReader, NoInstancesKeepsZeroDevices) {
  TWin32_PhysicalMemoryArray a(true, ProviderFromJson(R"({"Win32_PhysicalMemoryArray": []})"));
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EQ(a.MemoryDevices, 0);
  EXPECT_EQ(a.MaxCapacityEx, 0);
}

}  // namespace
