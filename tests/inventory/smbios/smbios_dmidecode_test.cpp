// Our reading of SMBIOS dumps against Debian's dmidecode reading the same files: locators,
// sizes, types, speeds, manufacturers, part and serial numbers must agree.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "decoding/memory_type.h"
#include "inventory/smbios/smbios_test_util.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDmidecode = "/usr/sbin/dmidecode";
constexpr uint32_t kGbInKb = 1024 * 1024;

using Block = std::map<std::string, std::string>;  // the "Key: Value" lines of one structure

struct PeerView {
  std::vector<Block> arrays;
  std::vector<Block> devices;
};

std::string RunCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string out;
  char buf[4096];
  while (size_t n = fread(buf, 1, sizeof buf, pipe.get())) out.append(buf, n);
  return out;
}

PeerView ParseDmidecode(const std::string& text) {
  PeerView view;
  std::istringstream in(text);
  std::string line;
  std::vector<Block>* target = nullptr;
  while (std::getline(in, line)) {
    if (line == "Physical Memory Array" || line == "Memory Device") {
      target = line == "Memory Device" ? &view.devices : &view.arrays;
      target->emplace_back();
    } else if (line.empty()) {
      target = nullptr;
    } else if (target && line[0] == '\t') {
      size_t colon = line.find(": ");
      if (colon != std::string::npos) {
        target->back()[line.substr(1, colon - 1)] = line.substr(colon + 2);
      }
    }
  }
  return view;
}

// "8 GB", "512 MB", "16 kB" as bytes; -1 for anything else ("Unknown").
int64_t PeerSize(const std::string& text) {
  std::istringstream in(text);
  int64_t n = 0;
  std::string unit;
  if (!(in >> n >> unit)) return -1;
  const std::map<std::string, int64_t> units = {
      {"bytes", 1}, {"kB", 1LL << 10}, {"MB", 1LL << 20}, {"GB", 1LL << 30}, {"TB", 1LL << 40}};
  auto it = units.find(unit);
  return it == units.end() ? -1 : n * it->second;
}

// dmidecode's words for "no value" stand for our null.
std::string OurText(const PropertyValue& v) { return v.IsNull() ? "Not Specified" : v.AsText(); }
std::string OurSpeed(const PropertyValue& v) {
  return v.IsNull() ? "Unknown" : v.AsText() + " MT/s";
}
int64_t OurNumber(const PropertyValue& v) { return v.IsNull() ? -1 : v.AsInt64(); }

// The technology name the window shows for the module.
std::string OurTypeName(const WmiInstanceData& m) {
  return MemoryTypeName(static_cast<uint32_t>(OurNumber(Prop(m, "MemoryType"))),
                        static_cast<uint32_t>(std::max<int64_t>(0, OurNumber(Prop(m, "Speed")))),
                        static_cast<uint32_t>(OurNumber(Prop(m, "SMBIOSMemoryType"))));
}

void CompareDevice(const Block& peer, const WmiInstanceData& ours) {
  EXPECT_EQ(peer.at("Locator"), OurText(Prop(ours, "DeviceLocator")));
  EXPECT_EQ(peer.at("Bank Locator"), OurText(Prop(ours, "BankLabel")));
  EXPECT_EQ(PeerSize(peer.at("Size")), OurNumber(Prop(ours, "Capacity"))) << peer.at("Size");
  EXPECT_EQ(peer.at("Type"), OurTypeName(ours));
  EXPECT_EQ(peer.count("Speed") ? peer.at("Speed") : "Unknown", OurSpeed(Prop(ours, "Speed")));
  if (peer.count("Configured Memory Speed")) {
    EXPECT_EQ(peer.at("Configured Memory Speed"), OurSpeed(Prop(ours, "ConfiguredClockSpeed")));
  }
  EXPECT_EQ(peer.count("Manufacturer") ? peer.at("Manufacturer") : "Not Specified",
            OurText(Prop(ours, "Manufacturer")));
  EXPECT_EQ(peer.count("Serial Number") ? peer.at("Serial Number") : "Not Specified",
            OurText(Prop(ours, "SerialNumber")));
  EXPECT_EQ(peer.count("Part Number") ? peer.at("Part Number") : "Not Specified",
            OurText(Prop(ours, "PartNumber")));
}

void CompareArray(const Block& peer, const WmiInstanceData& ours) {
  EXPECT_EQ(PeerSize(peer.at("Maximum Capacity")) / 1024, OurNumber(Prop(ours, "MaxCapacityEx")));
  EXPECT_EQ(peer.at("Number Of Devices"), Prop(ours, "MemoryDevices").AsText());
}

struct Machine {
  std::string name;
  DumpOptions options;
  std::vector<Bytes> structures;
};

DumpOptions Version(EntryKind kind, uint8_t major, uint8_t minor) {
  DumpOptions o;
  o.entry = kind;
  o.major = major;
  o.minor = minor;
  return o;
}

DumpDevice Module(uint16_t handle, const std::string& locator, uint8_t type, uint16_t sizeMb,
                  uint16_t speed, uint8_t length) {
  DumpDevice d;
  d.handle = handle;
  d.locator = locator;
  d.bank = "BANK " + std::to_string(handle & 0x0F);
  d.memoryType = type;
  d.size = sizeMb;
  d.speed = speed;
  d.configuredSpeed = speed;
  d.length = length;
  d.manufacturer = "Samsung";
  d.serial = "4A1B2C" + std::to_string(handle);
  d.partNumber = "M378A1K43DB2-CWE    ";  // firmware pads part numbers with spaces
  return d;
}

DumpDevice Empty(uint16_t handle, const std::string& locator, uint8_t type, uint8_t length) {
  DumpDevice d = Module(handle, locator, type, 0, 0, length);
  d.manufacturer = d.serial = d.partNumber = "";
  return d;
}

Machine Ddr3TwoSlots() {
  DumpArray a = SystemArray(2, 16 * kGbInKb);
  a.length = 0x0F;  // a 2.1 array structure
  DumpDevice m1 = Module(0x1100, "ChannelA-DIMM0", 0x18, 4096, 1600, 0x22);
  m1.manufacturer = "Kingston";
  m1.partNumber = "KHX1600C9D3/4GX";
  DumpDevice m2 = Module(0x1101, "ChannelB-DIMM0", 0x18, 4096, 1333, 0x22);
  m2.manufacturer = "0198";
  return {"ddr3_2slots", Version(EntryKind::Smbios2, 2, 7),
          {EncodeArray(a), EncodeDevice(m1), EncodeDevice(m2)}};
}

Machine Ddr4FourSlotsTwoEmpty() {
  DumpDevice m1 = Module(0x1100, "DIMM_A1", 0x1A, 8192, 3200, 0x28);
  DumpDevice m2 = Module(0x1102, "DIMM_B1", 0x1A, 16384, 2666, 0x28);
  m2.manufacturer = "Micron Technology";
  m2.serial = "";
  m2.configuredSpeed = 2400;
  m2.formFactor = 0x0D;
  return {"ddr4_4slots", Version(EntryKind::Smbios3, 3, 0),
          {EncodeArray(SystemArray(4)), EncodeDevice(m1), EncodeDevice(Empty(0x1101, "DIMM_A2", 0x1A, 0x28)),
           EncodeDevice(m2), EncodeDevice(Empty(0x1103, "DIMM_B2", 0x02, 0x28))}};
}

Machine Ddr5EightSlotsExtended() {
  DumpArray a = SystemArray(8);
  a.maxCapacityKb = 0x80000000u;
  a.extMaxCapacityBytes = 8ULL << 40;  // 8 TB
  std::vector<Bytes> s = {EncodeArray(a)};
  for (uint16_t i = 0; i < 8; ++i) {
    std::string locator = "CPU0_DIMM_" + std::string(1, char('A' + i));
    DumpDevice d = Module(0x1100 + i, locator, 0x22, 32768, 4800, 0x5C);
    d.totalWidth = 80;
    if (i == 1) {
      d.size = 0x7FFF;  // 64 GB does not fit the 15-bit field
      d.extendedSize = 65536;
    }
    if (i == 2) {
      d.speed = 0xFFFF;
      d.extendedSpeed = 70000;
      d.configuredSpeed = 0xFFFF;
      d.extendedConfiguredSpeed = 68000;
    }
    if (i == 3) d.length = 0x64;
    s.push_back(EncodeDevice(i >= 6 ? Empty(d.handle, locator, 0x22, 0x5C) : d));
  }
  return {"ddr5_8slots", Version(EntryKind::Smbios3, 3, 5), s};
}

Machine KilobyteUnitsAndUnknownSize() {
  DumpDevice small = Module(0x1100, "SLOT 1", 0x18, 0x8000 | 512, 1066, 0x1B);
  DumpDevice unknown = Module(0x1101, "SLOT 2", 0x18, 0xFFFF, 0, 0x1B);
  unknown.manufacturer = "";
  DumpDevice shortOne = Module(0x1102, "SLOT 3", 0x18, 2048, 0, 0x15);  // 2.1: no speed, no texts
  return {"kb_units", Version(EntryKind::Smbios2, 2, 3),
          {EncodeArray(SystemArray(3, 4 * kGbInKb)), EncodeDevice(small), EncodeDevice(unknown),
           EncodeDevice(shortOne)}};
}

Machine TwoArrays() {
  DumpArray second = SystemArray(4, 128 * kGbInKb);
  second.handle = 0x2000;
  std::vector<Bytes> s = {EncodeArray(SystemArray(4, 128 * kGbInKb)), EncodeArray(second)};
  for (uint16_t cpu = 0; cpu < 2; ++cpu) {
    for (uint16_t i = 0; i < 4; ++i) {
      uint16_t handle = static_cast<uint16_t>(0x1100 + cpu * 0x100 + i);
      std::string locator = "P" + std::to_string(cpu + 1) + "-DIMM" + std::to_string(i + 1);
      DumpDevice d = Module(handle, locator, 0x1A, 16384, 2933, 0x54);
      d.arrayHandle = cpu ? 0x2000 : 0x1000;
      d.totalWidth = 72;
      s.push_back(EncodeDevice(i % 2 ? Empty(handle, locator, 0x1A, 0x54) : d));
    }
  }
  return {"two_arrays", Version(EntryKind::Smbios3, 3, 2), s};
}

std::vector<Machine> Machines() {
  return {Ddr3TwoSlots(), Ddr4FourSlotsTwoEmpty(), Ddr5EightSlotsExtended(),
          KilobyteUnitsAndUnknownSize(), TwoArrays()};
}

class DmidecodePeer : public ::testing::TestWithParam<size_t> {};

TEST_P(DmidecodePeer, AgreesOnEveryArrayAndDevice) {
  ASSERT_TRUE(fs::exists(kDmidecode)) << "dmidecode is missing: run scripts/bootstrap";
  Machine machine = Machines()[GetParam()];
  SCOPED_TRACE(machine.name);
  fs::path file = fs::temp_directory_path() / ("modulix_peer_" + machine.name + ".bin");
  Bytes dump = WriteDump(machine.structures, machine.options);
  SaveBytes(file.string(), dump);
  PeerView peer =
      ParseDmidecode(RunCommand(std::string(kDmidecode) + " --from-dump " + file.string() + " -t 16,17"));
  fs::remove(file);
  SmbiosMemoryInventory ours = MapSmbiosMemory(ReadSmbiosDump(dump));

  ASSERT_EQ(peer.arrays.size(), Arrays(ours).size());
  for (size_t i = 0; i < peer.arrays.size(); ++i) CompareArray(peer.arrays[i], Arrays(ours)[i]);
  std::vector<std::string> peerEmpty;
  size_t module = 0;
  for (const Block& device : peer.devices) {
    if (device.at("Size") == "No Module Installed") {
      peerEmpty.push_back(device.at("Locator"));
      continue;
    }
    ASSERT_LT(module, Modules(ours).size());
    CompareDevice(device, Modules(ours)[module++]);
  }
  EXPECT_EQ(module, Modules(ours).size());
  EXPECT_EQ(peerEmpty, ours.emptySlots);
}

INSTANTIATE_TEST_SUITE_P(Machines, DmidecodePeer, ::testing::Range<size_t>(0, 5),
                         [](const auto& info) { return Machines()[info.param].name; });

}  // namespace
