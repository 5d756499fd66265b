// udev's values become the properties the SMBIOS rows carry, or null (with a note) when they
// cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/udev/udev_memory.h"
#include "inventory/udev/udev_values.h"

namespace {

const std::vector<WmiInstanceData>& Instances(const UdevMemoryInventory& inv, const char* cls) {
  return inv.rows.classes.classes.at(cls);
}

PropertyValue Property(const WmiInstanceData& instance, const std::string& name) {
  for (const auto& [property, value] : instance) {
    if (property == name) return value;
  }
  return PropertyValue();  // empty: the row lacks the property
}

UdevMemoryInventory Map(const std::string& lines) {
  return MapUdevMemory(ParseUdevProperties(lines));
}

struct ValueCase {
  const char* lines;      // of device 0, without the "MEMORY_DEVICE_0_" prefix
  const char* property;   // of the module row
  PropertyValue expected;
  bool noted;             // the value is reported as unread
};

TEST(UdevMemory, DeviceValues) {
  const PropertyValue null = PropertyValue::Null();
  const ValueCase cases[] = {
      {"SIZE=17179869184", "Capacity", "17179869184", false},
      {"SIZE=68719476736000", "Capacity", "68719476736000", false},  // the 32-bit size field
      {"SIZE=524288", "Capacity", "524288", false},                   // kilobytes
      {"SIZE=99999999999999999999", "Capacity", null, true},
      {"SIZE=-1", "Capacity", null, true},
      {"SPEED_MTS=3200", "Speed", int32_t{3200}, false},
      {"SPEED_MTS=70000", "Speed", int32_t{70000}, false},            // the 32-bit speed field
      {"SPEED_MTS=3200x", "Speed", null, true},
      {"CONFIGURED_SPEED_MTS=4294967296", "ConfiguredClockSpeed", null, true},
      {"TYPE=DDR5", "SMBIOSMemoryType", int32_t{0x22}, false},
      {"TYPE=DDR4", "MemoryType", int32_t{26}, false},
      {"TYPE=<OUT OF SPEC>", "SMBIOSMemoryType", null, false},
      {"TYPE=Reserved", "SMBIOSMemoryType", null, false},
      {"TYPE=DDR9", "SMBIOSMemoryType", null, true},
      {"FORM_FACTOR=SODIMM", "FormFactor", int32_t{12}, false},
      {"FORM_FACTOR=Blob", "SMBIOSFormFactor", null, true},
      {"TYPE_DETAIL=Synchronous Registered (Buffered)", "TypeDetail", int32_t{0x2080}, false},
      {"TYPE_DETAIL=None", "TypeDetail", int32_t{0}, false},
      {"TYPE_DETAIL=Synchronous Fast", "TypeDetail", null, true},
      {"CONFIGURED_VOLTAGE=1.35", "ConfiguredVoltage", int32_t{1350}, false},
      {"CONFIGURED_VOLTAGE=0.5", "ConfiguredVoltage", int32_t{500}, false},
      {"CONFIGURED_VOLTAGE=1", "ConfiguredVoltage", null, false},     // 1.0 to 1.4 V, rounded
      {"MINIMUM_VOLTAGE=1.2345", "MinVoltage", null, false},
      {"MAXIMUM_VOLTAGE=99.9", "MaxVoltage", null, false},
      {"RANK=2", "Attributes", int32_t{2}, false},
      {"RANK=16", "Attributes", null, true},
      {"TOTAL_WIDTH=72", "TotalWidth", int32_t{72}, false},
      {"DATA_WIDTH=65535", "DataWidth", null, true},
      {"PART_NUMBER=Not Specified", "PartNumber", null, false},      // udev's text for no string
      {"SERIAL_NUMBER=0x35352", "SerialNumber", "0x35352", false},
      {"MODULE_MANUFACTURER_ID=Bank 3, Hex 0x9E", "Manufacturer", "029E", false},
      {"MODULE_MANUFACTURER_ID=Bank 1, Hex 0xCE\nMEMORY_DEVICE_0_MANUFACTURER=Unknown",
       "Manufacturer", "80CE", false},
      {"MODULE_MANUFACTURER_ID=Bank 3, Hex 0x9E\nMEMORY_DEVICE_0_MANUFACTURER=Corsair Inc",
       "Manufacturer", "Corsair Inc", false},
      {"MODULE_MANUFACTURER_ID=Bank 0, Hex 0x9E", "Manufacturer", null, false},
      {"LOCATOR=DIMM_A1", "Capacity", null, false},                   // no size: unknown, installed
  };
  for (const ValueCase& c : cases) {
    UdevMemoryInventory inv = Map("MEMORY_DEVICE_0_" + std::string(c.lines) + "\n");
    const auto& modules = Instances(inv, "Win32_PhysicalMemory");
    ASSERT_EQ(modules.size(), 1u) << c.lines;
    EXPECT_EQ(Property(modules[0], c.property), c.expected) << c.lines;
    EXPECT_EQ(inv.notes.size(), c.noted ? 1u : 0u) << c.lines;
    EXPECT_TRUE(Instances(inv, "Win32_PhysicalMemoryArray").empty()) << c.lines;
  }
}

TEST(UdevMemory, ArrayEmptySlotsAndGaps) {
  UdevMemoryInventory inv = Map(
      "E:MEMORY_ARRAY_LOCATION=System Board Or Motherboard\n"
      "E:MEMORY_ARRAY_MAX_CAPACITY=4398046511104\n"
      "E:MEMORY_ARRAY_NUM_DEVICES=4\n"
      "E:MEMORY_DEVICE_0_SIZE=8589934592\n"
      "E:MEMORY_DEVICE_0_LOCATOR=A1\n"
      "E:MEMORY_DEVICE_3_PRESENT=0\n"
      "E:MEMORY_DEVICE_3_SIZE=8589934592\n"
      "E:MEMORY_DEVICE_3_LOCATOR=B2\n"
      "E:MEMORY_DEVICE_3_BANK_LOCATOR=BANK 3\n");
  const WmiInstanceData& array = Instances(inv, "Win32_PhysicalMemoryArray").at(0);
  EXPECT_EQ(Property(array, "Location"), int32_t{3});
  EXPECT_EQ(Property(array, "MemoryErrorCorrection"), int32_t{3});  // udev leaves out "None"
  EXPECT_EQ(Property(array, "MaxCapacity"), int64_t{0x80000000});
  EXPECT_EQ(Property(array, "MaxCapacityEx"), "4294967296");
  EXPECT_EQ(Property(array, "MemoryDevices"), int32_t{4});
  EXPECT_EQ(Instances(inv, "Win32_PhysicalMemory").size(), 1u);
  EXPECT_EQ(inv.rows.emptySlots, std::vector<std::string>{"B2"});
  EXPECT_EQ(inv.rows.emptySlotBanks, std::vector<std::string>{"BANK 3"});
  EXPECT_EQ(inv.notes, std::vector<std::string>{"no device 1 to 2"});

  UdevMemoryInventory odd = Map("MEMORY_ARRAY_EC_TYPE=<OUT OF SPEC>\nMEMORY_ARRAY_MAX_CAPACITY=x\n"
                                "MEMORY_ARRAY_NUM_DEVICES=65536\nMEMORY_DEVICE_1_SIZE=1048576\n");
  const WmiInstanceData& unknown = Instances(odd, "Win32_PhysicalMemoryArray").at(0);
  for (const char* name : {"Location", "MemoryErrorCorrection", "MaxCapacity", "MaxCapacityEx",
                           "MemoryDevices"}) {
    EXPECT_TRUE(Property(unknown, name).IsNull()) << name;
  }
  EXPECT_EQ(odd.notes, (std::vector<std::string>{
                           "no device 0",
                           "2 value(s) unread (array MAX_CAPACITY: cannot read 'x'; "
                           "array NUM_DEVICES: cannot read '65536')"}));
  EXPECT_FALSE(Map("DEVPATH=/devices/virtual/dmi/id\n").describesMemory);
}

TEST(UdevValues, JedecManufacturerTexts) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"Bank 1, Hex 0xCE", "80CE"}, {"Bank 3, Hex 0x9E", "029E"}, {"Bank 6, Hex 0x9B", "859B"},
      {"Bank 128, Hex 0x01", "7F01"}, {"Bank 129, Hex 0x01", std::nullopt},
      {"Bank 1, Hex 0xC", std::nullopt}, {"Bank 1, Hex 0xCEE", std::nullopt},
      {"Bank 1,Hex 0xCE", std::nullopt}, {"Bank , Hex 0xCE", std::nullopt},
      {"Bank 1", std::nullopt}, {"Unknown", std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(JedecManufacturerText(text), expected) << text;
}

}  // namespace
