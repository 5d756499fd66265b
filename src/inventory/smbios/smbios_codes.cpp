#include "inventory/smbios/smbios_codes.h"

#include <array>
#include <cstddef>

namespace {

template <size_t N>
std::optional<uint16_t> Lookup(const std::array<uint16_t, N>& table, uint8_t first, uint8_t code) {
  if (code < first || code - first >= static_cast<int>(N)) return std::nullopt;
  return table[code - first];
}

// Type 16 location, 0x01 to 0x0A (DSP0134 7.17.1); WMI uses the same numbers.
constexpr uint8_t kLocationFirst = 0x01;
constexpr std::array<uint16_t, 10> kLocation = {
    1,   // 0x01 Other
    2,   // 0x02 Unknown
    3,   // 0x03 System board or motherboard
    4,   // 0x04 ISA add-on card
    5,   // 0x05 EISA add-on card
    6,   // 0x06 PCI add-on card
    7,   // 0x07 MCA add-on card
    8,   // 0x08 PCMCIA add-on card
    9,   // 0x09 Proprietary add-on card
    10,  // 0x0A NuBus
};
// Type 16 location, 0xA0 to 0xA3: the PC-98 cards, which WMI numbers on from NuBus.
constexpr uint8_t kLocationPc98First = 0xA0;
constexpr std::array<uint16_t, 4> kLocationPc98 = {
    11,  // 0xA0 PC-98/C20 add-on card
    12,  // 0xA1 PC-98/C24 add-on card
    13,  // 0xA2 PC-98/E add-on card
    14,  // 0xA3 PC-98/Local bus add-on card
};

// Type 16 use, 0x01 to 0x07 (7.17.2); same numbers in WMI.
constexpr uint8_t kUseFirst = 0x01;
constexpr std::array<uint16_t, 7> kUse = {
    1,  // 0x01 Other
    2,  // 0x02 Unknown
    3,  // 0x03 System memory
    4,  // 0x04 Video memory
    5,  // 0x05 Flash memory
    6,  // 0x06 Non-volatile RAM
    7,  // 0x07 Cache memory
};

// Type 16 memory error correction, 0x01 to 0x07 (7.17.3); same numbers in WMI.
constexpr uint8_t kCorrectionFirst = 0x01;
constexpr std::array<uint16_t, 7> kCorrection = {
    1,  // 0x01 Other
    2,  // 0x02 Unknown
    3,  // 0x03 None
    4,  // 0x04 Parity
    5,  // 0x05 Single-bit ECC
    6,  // 0x06 Multi-bit ECC
    7,  // 0x07 CRC
};

// Type 17 form factor, 0x01 to 0x10 (7.18.1), to WMI's FormFactor (0 Unknown ... 23 LGA).
// WMI has no code for a chip, a row of chips or a die: those become Other.
constexpr uint8_t kFormFactorFirst = 0x01;
constexpr std::array<uint16_t, 16> kFormFactor = {
    1,   // 0x01 Other
    0,   // 0x02 Unknown
    7,   // 0x03 SIMM
    2,   // 0x04 SIP
    1,   // 0x05 Chip
    3,   // 0x06 DIP
    4,   // 0x07 ZIP
    6,   // 0x08 Proprietary card
    8,   // 0x09 DIMM
    9,   // 0x0A TSOP
    1,   // 0x0B Row of chips
    11,  // 0x0C RIMM
    12,  // 0x0D SODIMM
    13,  // 0x0E SRIMM
    8,   // 0x0F FB-DIMM, a DIMM to WMI
    1,   // 0x10 Die
};

// Type 17 memory type, 0x12 to 0x1A (7.18.2), to WMI's MemoryType; 0 where WMI has no name.
constexpr uint8_t kMemoryTypeFirst = 0x12;
constexpr std::array<uint16_t, 9> kMemoryType = {
    20,  // 0x12 DDR
    21,  // 0x13 DDR2
    22,  // 0x14 DDR2 FB-DIMM
    0,   // 0x15 reserved
    0,   // 0x16 reserved
    0,   // 0x17 reserved
    24,  // 0x18 DDR3
    25,  // 0x19 FBD2
    26,  // 0x1A DDR4
};

}  // namespace

std::optional<uint16_t> WmiArrayLocation(uint8_t code) {
  if (auto v = Lookup(kLocation, kLocationFirst, code)) return v;
  return Lookup(kLocationPc98, kLocationPc98First, code);
}

std::optional<uint16_t> WmiArrayUse(uint8_t code) { return Lookup(kUse, kUseFirst, code); }

std::optional<uint16_t> WmiErrorCorrection(uint8_t code) {
  return Lookup(kCorrection, kCorrectionFirst, code);
}

std::optional<uint16_t> WmiFormFactor(uint8_t code) {
  return Lookup(kFormFactor, kFormFactorFirst, code);
}

uint16_t WmiMemoryType(uint8_t code) {
  return Lookup(kMemoryType, kMemoryTypeFirst, code).value_or(0);
}
