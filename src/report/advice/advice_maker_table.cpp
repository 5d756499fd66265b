#include "report/advice/advice_maker_table.h"

#include "report/advice/advice_words.h"

namespace {
struct MakerId {
  unsigned bank;
  uint8_t code;  // 7-bit, as JEP106 numbers it
  std::string_view name;
};

// JEP106 identities of module makers the window's rows lack. The first two are here because the
// window's rows give their codes ("91", "94") to DATARAM and Smart Modular, whose codes are in
// bank 2: the report names what the code means.
constexpr MakerId kIds[] = {
    {1, 0x11, "RCA"},
    {1, 0x14, "Seeq"},
    {1, 0x5A, "Winbond Electronics"},
    {2, 0x11, "DATARAM"},
    {2, 0x6B, "Goldenram"},
    {2, 0x32, "Mushkin"},
    {2, 0x40, "Viking Technology"},
    {2, 0x61, "Wintec Industries"},
    {4, 0x14, "Mushkin"},
    {4, 0x19, "Centon Electronics"},
    {5, 0x30, "OCZ"},
    {6, 0x3A, "Virtium Technology"},
    {7, 0x16, "Avexir"},
    {7, 0x34, "Super Talent"},
    {7, 0x5E, "Lexar Media"},
    {7, 0x63, "ATP Electronics"},
    {7, 0x6D, "V-Color Technology"},
    {7, 0x71, "Innodisk"},
    {8, 0x07, "Unifosa"},
    {8, 0x5D, "Wilk Elektronik (GOODRAM)"},
    {9, 0x13, "Gloway"},
    {9, 0x18, "Essencore (KLEVV)"},
    {9, 0x71, "Asgard"},
    {10, 0x6C, "Colorful Technology"},
    {10, 0x77, "Netac Technology"},
    {11, 0x11, "ChangXin Memory Technologies"},
};

struct MakerSpelling {
  std::string_view spelling;
  std::string_view name;  // as the JEDEC lookup names the same maker, so both forms compare equal
};

// Names firmware writes that the window's name fragments miss or would take for another maker.
constexpr MakerSpelling kSpellings[] = {
    {"Micron", "Micron Technology"},
    {"SK hynix", "Hynix (Hyundai)"},
    {"Hynix", "Hynix (Hyundai)"},
    {"Crucial", "Crucial Technology"},
    {"Ballistix", "Crucial Technology"},
    {"HyperX", "Kingston"},
    {"ADATA", "A-DATA Technology"},
    {"XPG", "A-DATA Technology"},
    {"GeIL", "Golden Empire"},
    {"TEAMGROUP", "Team Group"},
    {"Team Group", "Team Group"},
    {"PNY", "PNY Technologies"},
    {"Patriot", "Patriot Memory"},
    {"Transcend", "Transcend Information"},
    {"Apacer", "Apacer Technology"},
    {"Kingmax", "Kingmax Semiconductor"},
    {"Nanya", "Nanya Technology"},
    {"Ramaxel", "Ramaxel Technology"},
    {"Infineon", "Infineon (Siemens)"},
    {"SMART Modular", "Smart Modular"},
    {"Winbond", "Winbond Electronics"},
    {"Mushkin", "Mushkin"},
    {"Virtium", "Virtium Technology"},
    {"Super Talent", "Super Talent"},
    {"Innodisk", "Innodisk"},
    {"Unifosa", "Unifosa"},
    {"Silicon Power", "Silicon Power"},
    {"GOODRAM", "Wilk Elektronik (GOODRAM)"},
    {"KLEVV", "Essencore (KLEVV)"},
};
}  // namespace

std::optional<std::string_view> ReportMakerById(JedecId id) {
  for (const MakerId& row : kIds) {
    if (row.bank == id.bank && row.code == id.code) return row.name;
  }
  return std::nullopt;
}

std::optional<std::string_view> ReportMakerByName(std::string_view text) {
  for (const MakerSpelling& row : kSpellings) {
    if (ContainsWord(text, row.spelling)) return row.name;
  }
  return std::nullopt;
}
