#include "decoding/manufacturer_table.h"

namespace {
// JEDEC JEP106 identities. Firmware writes them as "CE", "80CE", "00CE" (code with or without
// its bank or parity byte, often padded with zeros), or as continuation codes "7F7F...".
// Every row is tested and the last match wins, so a later row can claim a text an earlier,
// shorter prefix also matches.
constexpr ManufacturerRow kRows[] = {
    // Rows 1 to 37: the makers known from the first release.
    {"Fujitsu", {"04", "8004"}, {"Fujitsu"}},                                     // 1
    {"Elpida", {"0500", "7F7FFE", "02FE"}, {"Elpida"}},                           // 2
    {"Hitachi", {"07", "8007"}, {"Hitachi"}},
    {"Inmos", {"08", "8008"}, {"Inmos"}},
    {"Intersil", {"0B", "800B"}, {"Intersil"}},
    {"Mostek", {"0D", "800D"}, {"Mostek"}},
    {"Freescale (Motorola)", {"0E", "800E"}, {"Freescale", "Motorola"}},
    {"NEC", {"10", "8010"}, {"NEC"}},
    {"Conexant (Rockwell)", {"13", "8013"}, {"Conexant", "Rockwell"}},
    {"NXP (Philips Semi, Signetics)", {"15", "8015"}, {"Philips", "Signetics", "NXP"}},  // 10
    {"Synertek", {"16", "8016"}, {"Synertek"}},
    {"Xicor", {}, {"Xicor"}},
    {"Zilog", {"1A", "801A"}, {"Zilog"}},
    {"Mitsubishi", {"1C", "801C"}, {"Mitsubishi"}},
    {"Micron Technology", {"2C", "802C"}, {"Micron Technology"}},
    {"ProMOS/Mosel Vitelic", {"40", "8040"}, {"ProMOS", "Mosel Vitelic"}},
    {"Goldenram", {"6A", "806A"}, {"Goldenram"}},
    {"SpecTek", {"7F7FB5"}, {"SpecTek"}},
    {"Nanya Technology", {"7F7F7F0B", "830B"}, {"Nanya"}},
    {"Fairchild", {"83", "8083"}, {"Fairchild"}},                                 // 20
    {"GTE", {"85"}, {"GTE"}},
    {"Numonyx (Intel)", {"89", "8089"}, {"Numonyx", "Intel"}},
    {"DATARAM", {"91", "8091"}, {"DATARAM"}},
    {"Smart Modular", {"94", "0194"}, {"Smart Modular"}},
    {"Toshiba", {"98", "8098"}, {"Toshiba"}},
    {"IBM", {"A4", "80A4"}, {"IBM"}},
    {"Hynix (Hyundai)", {"AD", "80AD", "00AD"}, {"Hynix", "Hyundai"}},
    {"Infineon (Siemens)", {"C1", "80C1", "7F7F7F7F7F51"}, {"Infineon", "Siemens"}},
    {"Samsung", {"CE", "80CE", "00CE"}, {"Samsung"}},
    {"Winbond Electronics", {"DE", "80DE"}, {"Winbond"}},                         // 30
    {"LG (Goldstar)", {"E0", "80E0"}, {"LG", "Goldstar"}},
    {"Micron CMS", {"7F45"}, {"Micron CMS"}},
    {"Kingston", {"0198", "7F98"}, {"Kingston"}},
    {"Ramaxel Technology", {"7F7F7F7F43"}, {"Ramaxel"}},
    {"AMD", {"01", "8001"}, {"AMD"}},
    {"AMI", {"02", "8002"}, {"AMI"}},
    {"ASint", {"06C1"}, {"ASint"}},                                               // 37
    // Rows 38 to 51: bank-and-code texts of current module makers ("859B" is bank 6, code 9B).
    // Their first two characters are a bank count, which the two-character prefixes above
    // would read as a maker; being later, these rows win for exactly the texts they match.
    {"Crucial Technology", {"859B", "059B"}, {"Crucial"}},                        // 38
    {"A-DATA Technology", {"04CB", "84CB"}, {"ADATA", "A-DATA"}},
    {"G.Skill", {"04CD", "84CD"}, {"G.Skill", "G Skill", "G-Skill"}},            // 40
    {"Team Group", {"04EF", "84EF"}, {"Team Group", "TeamGroup"}},
    {"Corsair", {"029E", "829E"}, {"Corsair"}},
    {"Patriot Memory", {"8502", "0502"}, {"Patriot"}},
    {"Transcend Information", {"014F", "814F"}, {"Transcend"}},
    {"Apacer Technology", {"017A", "817A"}, {"Apacer"}},
    {"PNY Technologies", {"01BA", "81BA"}, {"PNY Tech"}},
    {"Kingmax Semiconductor", {"8325", "0325"}, {"Kingmax"}},
    {"Qimonda", {"8551", "0551"}, {"Qimonda"}},
    {"Netlist", {"8316", "0316"}, {"Netlist"}},
    {"Silicon Power", {"86D3", "06D3"}, {"Silicon Power"}},                      // 50
    {"Golden Empire", {"8313", "0313"}, {"Golden Empire"}},                      // 51
};
}  // namespace

std::span<const ManufacturerRow> ManufacturerRows() { return kRows; }
