#pragma once
// Rules that turn a module's raw facts into advice a buyer can act on. Pure functions over plain
// values: no inventory, no formatting of whole reports. Unknown is std::nullopt, never 0 or "".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// --- Texts from firmware --------------------------------------------------------------------

// Trimmed of blanks (spaces, tabs, line ends, NULs) at both ends; std::nullopt when what is left
// is empty or a firmware placeholder: "Manufacturer" or "Mfg", alone or with a number
// ("Manufacturer00", "Mfg 0"), "Undefined", "Unknown", "Not Specified", "NO DIMM",
// "To Be Filled By O.E.M.", "System Product Name", "Default string", "None", "N/A", one repeated
// character ("0000", "FFFF", "...."), or the hex digits in order, 4 or more ("0123",
// "0123456789ABCDEF0123"). Placeholders compare whole and ignore the case of ASCII letters;
// "Unknown - [0x9B85]" is not one.
std::optional<std::string> CleanFirmwareText(std::string_view raw);

// The maker of a module from the text firmware gives, in any common form: a name ("Kingston"),
// a JEDEC bank+code in hex ("80CE", "CE80", "JEDEC ID:80 CE", "0x80CE", "Unknown - [0x9B85]"),
// a continuation-code string ("7F98000000000000"), or an ID padded or repeated ("002C0632002C"),
// decoded to the maker's name. A code and a name of one maker give the same text ("00AD00B300AD"
// and "SK hynix" both "Hynix (Hyundai)"), so makers compare with ==; a name no table knows comes
// back trimmed. std::nullopt for placeholders and for codes no maker is known for.
std::optional<std::string> DecodeModuleMaker(std::string_view raw);

// The maker from SMBIOS 3.2's module manufacturer ID (type 17 offset 0x2A, word: low byte = number
// of continuation codes with odd parity bit, high byte = the code with its parity bit);
// std::nullopt for 0, for a byte whose parity is wrong and for unknown codes.
std::optional<std::string> DecodeModuleMakerId(uint16_t smbiosManufacturerId);

// A part number as firmware gives it: hex-encoded ("0x4B494E47..." -> "KING...", NUL padding
// dropped; anything but printable ASCII means it was not hex-encoded), trimmed, placeholders as
// std::nullopt.
std::optional<std::string> DecodePartNumber(std::string_view raw);

// --- Generation and names -------------------------------------------------------------------

// "SDRAM", "DDR", "DDR2", "DDR3", "DDR4", "DDR5", "LPDDR", "LPDDR2", "LPDDR3", "LPDDR4",
// "LPDDR5" from the SMBIOS memory type (0x0F, 0x12, 0x13/0x14, 0x18, 0x1A, 0x1B..0x1E, 0x22, 0x23);
// std::nullopt for every other code.
std::optional<std::string> GenerationFromSmbiosType(uint32_t smbiosType);
// From WMI's MemoryType: 20 DDR, 21 DDR2, 22 DDR2 (FB-DIMM), 24 DDR3, 26 DDR4; else std::nullopt.
// Never guessed from the speed.
std::optional<std::string> GenerationFromWmiType(uint32_t wmiMemoryType);

// "DDR4-3200 (PC4-25600)" for the JEDEC grade within 1% of the rated speed (3168 to 3232 here),
// named by the grade ("DDR4-2666" for 2667), else "DDR4-3100"; only for DDR..DDR5 (not LPDDR,
// not SDRAM); std::nullopt when either is unknown, a speed of 0 included.
std::optional<std::string> StandardName(const std::optional<std::string>& generation,
                                        std::optional<uint32_t> ratedMTs);

// The speed the part number states where the maker's scheme states one, read from its start in
// any letter case: G.Skill F3-<PC3 rating> (/ 8; F3-<MT/s> below PC3-6400, as newer DDR3 parts
// write it) / F4- / F5-<MT/s><letter>, Kingston FURY KF<gen><two digits>C, HyperX KHX<MT/s>C,
// Corsair CM..X<gen>M<n><letter><MT/s>C, TEAMGROUP-UD<gen>-<MT/s>, Crucial Ballistix
// BL[<n>K]<size>G<two digits>C. Two digits are hundreds, except 13, 18, 21, 26, 29, 33, 34, 37:
// 1333, 1866, 2133, 2666, 2933, 3333, 3466, 3733. Numbers of more than 5 digits are no speed.
// std::nullopt otherwise.
std::optional<uint32_t> KitRatedSpeed(std::string_view partNumber);

// --- Sizes ----------------------------------------------------------------------------------

// The largest standard module size <= roomBytes / freeSlots: 2^k bytes from 128 MiB to 512 GiB,
// plus 24, 48, 96 and 192 GiB when ddr5; 0 when none fits. No overflow for any input.
// std::nullopt when freeSlots is 0. The caller works out the room (maximum - installed).
std::optional<uint64_t> PerFreeSlotBytes(uint64_t roomBytes, uint64_t freeSlots, bool ddr5);

// --- The machine ----------------------------------------------------------------------------

// True when the system maker or product names a hypervisor: QEMU, VMware, VirtualBox/innotek,
// Xen, Parallels, KVM, Bochs, Amazon EC2, or maker "Microsoft Corporation" with product "Virtual
// Machine" (Hyper-V). Names count as words, ignoring case: "Xen" is not found in "Xenon".
bool IsVirtualMachine(std::string_view systemMaker, std::string_view systemProduct);
