// udev's property lines are untrusted bytes: what cannot be read is skipped and counted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/udev/udev_properties.h"

namespace {

struct LinesCase {
  const char* name;
  std::string input;
  std::vector<uint32_t> devices;  // the indices read
  size_t skipped;
  std::string field, value;  // one device field (of the first device) or array field, read back
};

std::vector<uint32_t> Indices(const UdevMemoryProperties& p) {
  std::vector<uint32_t> out;
  for (const auto& [index, fields] : p.devices) out.push_back(index);
  return out;
}

std::string Field(const UdevMemoryProperties& p, const std::string& field) {
  const UdevFields& fields = p.devices.empty() ? p.array : p.devices.begin()->second;
  auto it = fields.find(field);
  return it == fields.end() ? "<none>" : it->second;
}

TEST(UdevProperties, LinesAreReadOrSkipped) {
  const std::string longLine = "MEMORY_DEVICE_0_LOCATOR=" + std::string(kMaxUdevLineLength, 'A');
  std::string manyBad;
  for (int i = 0; i < 100; ++i) manyBad += "MEMORY_DEVICE_0_SIZE\n";
  const LinesCase cases[] = {
      {"database file", "I:4150283\nE:MEMORY_DEVICE_0_SIZE=1\nG:tag\nS:a=b\nV:1\n", {0}, 0, "SIZE", "1"},
      {"udevadm output", "DEVPATH=/devices/virtual/dmi/id\nMEMORY_DEVICE_0_SIZE=2\n", {0}, 0, "SIZE", "2"},
      {"CRLF and no last newline", "MEMORY_DEVICE_0_LOCATOR=A1\r\nMEMORY_DEVICE_1_SIZE=1", {0, 1}, 0,
       "LOCATOR", "A1"},
      {"'=' in the value", "E:MEMORY_DEVICE_0_PART_NUMBER=A=B\n", {0}, 0, "PART_NUMBER", "A=B"},
      {"last value wins", "MEMORY_ARRAY_NUM_DEVICES=1\nMEMORY_ARRAY_NUM_DEVICES=2\n", {}, 0,
       "NUM_DEVICES", "2"},
      {"missing '='", "MEMORY_DEVICE_0_SIZE\nE:MEMORY_DEVICE_1_SIZE\n", {}, 2, "SIZE", "<none>"},
      {"overlong line", longLine + "\nMEMORY_DEVICE_2_SIZE=1\n", {2}, 1, "LOCATOR", "<none>"},
      {"index of 4 billion", "MEMORY_DEVICE_4000000000_SIZE=1\n", {}, 1, "SIZE", "<none>"},
      {"index past 64 bits", "MEMORY_DEVICE_99999999999999999999999_SIZE=1\n", {}, 1, "SIZE", "<none>"},
      {"index at the limit", "MEMORY_DEVICE_1024_SIZE=1\nMEMORY_DEVICE_1023_SIZE=1\n", {1023}, 1,
       "SIZE", "1"},
      {"index without field", "MEMORY_DEVICE_3=1\nMEMORY_DEVICE__SIZE=1\nMEMORY_DEVICE_3_=1\n"
       "MEMORY_DEVICE_-1_SIZE=1\n", {}, 4, "SIZE", "<none>"},
      {"gap in the indices", "MEMORY_DEVICE_5_SIZE=5\nMEMORY_DEVICE_0_SIZE=0\n", {0, 5}, 0, "SIZE", "0"},
      {"bytes that are not text", std::string("MEMORY_DEVICE_0_SERIAL_NUMBER=\xff\0x\n", 34), {0}, 0,
       "SERIAL_NUMBER", std::string("\xff\0x", 3)},
      {"many bad lines", manyBad, {}, 100, "SIZE", "<none>"},
      {"empty", "", {}, 0, "SIZE", "<none>"},
  };
  for (const LinesCase& c : cases) {
    UdevMemoryProperties p = ParseUdevProperties(c.input);
    EXPECT_EQ(Indices(p), c.devices) << c.name;
    EXPECT_EQ(p.skippedLines, c.skipped) << c.name;
    EXPECT_EQ(p.skipped.size(), std::min(c.skipped, kUdevSkipsNamed)) << c.name;
    EXPECT_EQ(Field(p, c.field), c.value) << c.name;
  }
  EXPECT_EQ(ParseUdevProperties("DEVPATH=/x\nMEMORY_DEVICE_9999_SIZE=1\n").skipped,
            std::vector<std::string>{"line 2: not a device index below 1024"});
}

}  // namespace
