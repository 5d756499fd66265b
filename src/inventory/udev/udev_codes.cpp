#include "inventory/udev/udev_codes.h"

#include <array>
#include <cstddef>

namespace {

// The names of consecutive codes from first (DSP0134 7.17 and 7.18, as udev spells them).
template <size_t N>
std::optional<uint8_t> Find(const std::array<std::string_view, N>& names, uint8_t first,
                            std::string_view name) {
  for (size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<uint8_t>(first + i);
  }
  return std::nullopt;
}

constexpr std::array<std::string_view, 10> kLocations = {
    "Other", "Unknown", "System Board Or Motherboard", "ISA Add-on Card", "EISA Add-on Card",
    "PCI Add-on Card", "MCA Add-on Card", "PCMCIA Add-on Card", "Proprietary Add-on Card",
    "NuBus"};  // 0x01
constexpr std::array<std::string_view, 5> kPc98Locations = {
    "PC-98/C20 Add-on Card", "PC-98/C24 Add-on Card", "PC-98/E Add-on Card",
    "PC-98/Local Bus Add-on Card", "CXL Add-on Card"};  // 0xA0

constexpr std::array<std::string_view, 7> kCorrections = {
    "Other", "Unknown", "None", "Parity", "Single-bit ECC", "Multi-bit ECC", "CRC"};  // 0x01

constexpr std::array<std::string_view, 16> kFormFactors = {
    "Other", "Unknown", "SIMM", "SIP", "Chip", "DIP", "ZIP", "Proprietary Card", "DIMM", "TSOP",
    "Row Of Chips", "RIMM", "SODIMM", "SRIMM", "FB-DIMM", "Die"};  // 0x01

// 0x15 to 0x17 are reserved: udev names them "Reserved", which says nothing of the code.
constexpr std::array<std::string_view, 36> kMemoryTypes = {
    "Other", "Unknown", "DRAM", "EDRAM", "VRAM", "SRAM", "RAM", "ROM", "Flash", "EEPROM",
    "FEPROM", "EPROM", "CDRAM", "3DRAM", "SDRAM", "SGRAM", "RDRAM", "DDR", "DDR2",
    "DDR2 FB-DIMM", "", "", "", "DDR3", "FBD2", "DDR4", "LPDDR", "LPDDR2", "LPDDR3", "LPDDR4",
    "Logical non-volatile device", "HBM", "HBM2", "DDR5", "LPDDR5", "HBM3"};  // 0x01

// Bits 1 to 15 of the type detail; bit 0 is reserved.
constexpr std::array<std::string_view, 15> kTypeDetails = {
    "Other", "Unknown", "Fast-paged", "Static Column", "Pseudo-static", "RAMBUS", "Synchronous",
    "CMOS", "EDO", "Window DRAM", "Cache DRAM", "Non-Volatile", "Registered (Buffered)",
    "Unbuffered (Unregistered)", "LRDIMM"};

bool TakeName(std::string_view& names, std::string_view name) {
  if (names.substr(0, name.size()) != name) return false;
  std::string_view rest = names.substr(name.size());
  if (!rest.empty() && rest.front() != ' ') return false;
  names = rest.empty() ? rest : rest.substr(1);
  return true;
}

}  // namespace

std::optional<uint8_t> SmbiosArrayLocationCode(std::string_view name) {
  if (auto code = Find(kLocations, 0x01, name)) return code;
  return Find(kPc98Locations, 0xA0, name);
}

std::optional<uint8_t> SmbiosErrorCorrectionCode(std::string_view name) {
  return Find(kCorrections, 0x01, name);
}

std::optional<uint8_t> SmbiosFormFactorCode(std::string_view name) {
  return Find(kFormFactors, 0x01, name);
}

std::optional<uint8_t> SmbiosMemoryTypeCode(std::string_view name) {
  if (name.empty()) return std::nullopt;
  return Find(kMemoryTypes, 0x01, name);
}

// The names come in bit order, so one pass over the table reads them.
std::optional<uint16_t> SmbiosTypeDetailBits(std::string_view names) {
  if (names == "None") return uint16_t{0};
  uint16_t bits = 0;
  for (size_t i = 0; i < kTypeDetails.size() && !names.empty(); ++i) {
    if (TakeName(names, kTypeDetails[i])) bits |= static_cast<uint16_t>(1u << (i + 1));
  }
  if (!names.empty() || bits == 0) return std::nullopt;
  return bits;
}
