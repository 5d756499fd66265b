// Writes the sample SMBIOS dumps kept in tests/data (the report's tests and the benchmark read
// them): smbios_sample_dumps OUTPUT_FOLDER.
#include <iostream>

#include "inventory/smbios/smbios_dump_writer.h"

namespace {

constexpr uint32_t kGbInKb = 1024 * 1024;

DumpOptions Version(EntryKind kind, uint8_t major, uint8_t minor) {
  DumpOptions o;
  o.entry = kind;
  o.major = major;
  o.minor = minor;
  return o;
}

DumpArray Array(uint16_t handle, uint16_t slots, uint32_t maxKb, uint8_t correction = 0x03) {
  DumpArray a;
  a.handle = handle;
  a.devices = slots;
  a.maxCapacityKb = maxKb;
  a.correction = correction;
  return a;
}

DumpDevice Device(uint16_t handle, uint16_t array, const std::string& locator,
                  const std::string& bank, uint8_t length) {
  DumpDevice d;
  d.handle = handle;
  d.arrayHandle = array;
  d.locator = locator;
  d.bank = bank;
  d.length = length;
  return d;
}

DumpDevice Installed(DumpDevice d, uint8_t type, uint16_t sizeMb, uint16_t speed,
                     uint16_t configured, const std::string& maker, const std::string& part,
                     const std::string& serial) {
  d.memoryType = type;
  d.size = sizeMb;
  d.speed = speed;
  d.configuredSpeed = configured;
  d.manufacturer = maker;
  d.partNumber = part;
  d.serial = serial;
  d.attributes = 1;
  return d;
}

Bytes Desktop() {
  std::vector<Bytes> s = {EncodeArray(Array(0x1000, 4, 128 * kGbInKb))};
  const char* locators[] = {"DIMM_A1", "DIMM_A2", "DIMM_B1", "DIMM_B2"};
  for (uint16_t i = 0; i < 4; ++i) {
    DumpDevice d = Device(0x1100 + i, 0x1000, locators[i], "BANK " + std::to_string(i), 0x5C);
    if (i % 2 == 0) {
      d = Installed(d, 0x1A, 16384, 3200, 2933, "Kingston", "KF432C16BB/16",
                    i ? "5E1F2A3B" : "5E1F2A3C");
      d.minVoltage = d.maxVoltage = d.configuredVoltage = 1200;
    }
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 3));
}

Bytes Server() {
  DumpArray a0 = Array(0x1000, 8, 0x80000000u, 0x06);
  a0.extMaxCapacityBytes = 4ULL << 40;
  DumpArray a1 = a0;
  a1.handle = 0x2000;
  std::vector<Bytes> s = {EncodeArray(a0), EncodeArray(a1)};
  for (uint16_t cpu = 0; cpu < 2; ++cpu) {
    for (uint16_t i = 0; i < 8; ++i) {
      uint16_t handle = static_cast<uint16_t>(0x1100 + cpu * 0x100 + i);
      std::string locator = "CPU" + std::to_string(cpu) + "_DIMM_" + char('A' + i);
      // A firmware that writes its bank labels in Latin-1.
      DumpDevice d = Device(handle, cpu ? 0x2000 : 0x1000, locator,
                            "Canal " + std::string(1, char('A' + i)) + " \xE9tage " + std::to_string(cpu), 0x64);
      d.totalWidth = 80;
      d.formFactor = 0x09;
      d.typeDetail = 0x2080;
      if (i < 6) {
        d = Installed(d, 0x22, 0x7FFF, 4800, 4400, i % 2 ? "80CE" : "Samsung",
                      "M321R8GA0BB0-CQKZJ", "0x" + std::to_string(31000 + handle));
        d.extendedSize = 64 * 1024;
        d.configuredVoltage = 1100;
      }
      s.push_back(EncodeDevice(d));
    }
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 5));
}

Bytes Laptop() {
  std::vector<Bytes> s = {EncodeArray(Array(0x1000, 2, 32 * kGbInKb))};
  for (uint16_t i = 0; i < 2; ++i) {
    DumpDevice d = Device(0x1100 + i, 0x1000, "Controller" + std::to_string(i) + "-ChannelA",
                          "BANK " + std::to_string(i), 0x5C);
    d = Installed(d, 0x23, 8192, 6400, 6400, "Micron Technology", "MT62F1G32D4DR-031 WT:B",
                  "00000000");
    d.formFactor = 0x0B;
    d.totalWidth = d.dataWidth = 32;
    d.configuredVoltage = 500;
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 4));
}

Bytes OldDdr2() {
  std::vector<Bytes> s = {EncodeArray(Array(0x1000, 4, 8 * kGbInKb))};
  const uint16_t sizes[] = {1024, 512, 1024, 0};
  for (uint16_t i = 0; i < 4; ++i) {
    DumpDevice d = Device(0x1100 + i, 0x1000, "DIMM" + std::to_string(i), "BANK" + std::to_string(i), 0x1B);
    if (sizes[i]) d = Installed(d, 0x13, sizes[i], 800, 0, "Manufacturer00", "", "SerNum0" + std::to_string(i));
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios2, 2, 4));
}

// A two-socket server of registered ECC DDR4, named by its firmware.
Bytes RegisteredServer() {
  DumpIdentity id{"Orvel BIOS Works", "2.4.1", "03/18/2021", "Orvel Computing", "OR-2240 Rack Server",
                  "Orvel Computing", "X11-DPR"};
  std::vector<Bytes> s = EncodeIdentity(id);
  DumpArray a = Array(0x1000, 8, 0x80000000u, 0x06);
  a.extMaxCapacityBytes = 512ULL << 30;
  s.push_back(EncodeArray(a));
  for (uint16_t i = 0; i < 8; ++i) {
    std::string slot(1, char('A' + i / 2));
    DumpDevice d = Device(0x1100 + i, 0x1000, "P1-DIMM" + slot + std::to_string(1 + i % 2),
                          "P0_Node0_Channel" + std::to_string(i / 2) + "_Dimm" + std::to_string(i % 2), 0x54);
    d.totalWidth = 72;
    d.typeDetail = 0x2080;  // registered
    if (i % 2 == 0) {
      // Makers as firmware writes them: a JEDEC code in text, and a hex-encoded part number.
      d = Installed(d, 0x1A, 0x7FFF, 2933, 2933, i < 4 ? "JEDEC ID:80 CE" : "Samsung",
                    i < 4 ? "M393A4K40CB2-CVF   " : "0x4D33393341344B3430434232" "2D435646",
                    "3A1B2C" + std::to_string(i));
      d.extendedSize = 32 * 1024;
      d.configuredVoltage = 1200;
    }
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 2));
}

// Load-reduced DDR4 beside Optane persistent memory, makers given only as SMBIOS 3.2 IDs.
Bytes LoadReducedServer() {
  DumpIdentity id{"Orvel BIOS Works", "SE5C620.86B.02.01", "11/05/2020", "Orvel Computing",
                  "OR-4400 Memory Server", "Orvel Computing", "S2600WF"};
  std::vector<Bytes> s = EncodeIdentity(id);
  DumpArray a = Array(0x1000, 12, 0x80000000u, 0x06);
  a.extMaxCapacityBytes = 3ULL << 40;
  s.push_back(EncodeArray(a));
  for (uint16_t i = 0; i < 12; ++i) {
    DumpDevice d = Device(0x1100 + i, 0x1000, "CPU1_DIMM_" + std::string(1, char('A' + i / 2)) + std::to_string(1 + i % 2),
                          "NODE 1", 0x54);
    d.totalWidth = 72;
    if (i % 2 == 0) {
      d = Installed(d, 0x1A, 0x7FFF, 2666, 2666, "Unknown", "HMABAGL7A4R4N-VN", "4D2E1F0" + std::to_string(i));
      d.extendedSize = 128 * 1024;
      d.typeDetail = 0xA080;  // registered, load-reduced
      d.technology = 0x03;
      d.moduleMakerId = 0xAD80;  // SK hynix: bank 1, code 0xAD with its parity bit
    } else if (i == 1 || i == 3) {
      d = Installed(d, 0x1F, 0x7FFF, 2666, 2666, "Intel", "NMA1XXD128GPS", "8089A2" + std::to_string(i));
      d.extendedSize = 128 * 1024;
      d.typeDetail = 0x2080;
      d.technology = 0x07;  // Optane persistent memory
      d.moduleMakerId = 0x8980;
    }
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 2));
}

// A QEMU guest: 64 slots the hypervisor declares, one filled.
Bytes VirtualMachine() {
  DumpIdentity id{"SeaBIOS", "rel-1.16.2-0-gea1b7a073390-prebuilt.qemu.org", "04/01/2014", "QEMU",
                  "Standard PC (Q35 + ICH9, 2009)", "", ""};
  std::vector<Bytes> s = EncodeIdentity(id);
  s.push_back(EncodeArray(Array(0x1000, 64, 1024 * kGbInKb)));  // 1 TB
  for (uint16_t i = 0; i < 64; ++i) {
    DumpDevice d = Device(0x1100 + i, 0x1000, "DIMM " + std::to_string(i), "", 0x28);
    d.memoryType = 0x07;  // RAM
    d.typeDetail = 0x0002;
    d.totalWidth = d.dataWidth = 0xFFFF;
    if (i == 0) d = Installed(d, 0x07, 16384, 0, 0, "QEMU", "", "");
    s.push_back(EncodeDevice(d));
  }
  return WriteDump(s, Version(EntryKind::Smbios3, 3, 0));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: smbios_sample_dumps OUTPUT_FOLDER\n";
    return 2;
  }
  std::string folder = argv[1];
  SaveBytes(folder + "/smbios_desktop_ddr4.bin", Desktop());
  SaveBytes(folder + "/smbios_server_ddr5.bin", Server());
  SaveBytes(folder + "/smbios_laptop_lpddr5.bin", Laptop());
  SaveBytes(folder + "/smbios_old_ddr2.bin", OldDdr2());
  SaveBytes(folder + "/smbios_server_rdimm.bin", RegisteredServer());
  SaveBytes(folder + "/smbios_server_lrdimm.bin", LoadReducedServer());
  SaveBytes(folder + "/smbios_vm_qemu.bin", VirtualMachine());
  return 0;
}
