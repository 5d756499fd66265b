#include <string>

#include "decoding/manufacturer_table.h"
#include "report/advice/advice_jedec.h"
#include "report/advice/advice_maker_table.h"
#include "report/advice/advice_rules.h"
#include "report/advice/advice_words.h"

namespace {
// The window's rows hold codes as firmware texts; a row names an identity when one of its codes
// reads as exactly that identity. Later rows win, as they do in the window.
std::optional<std::string_view> WindowMakerById(JedecId id) {
  std::optional<std::string_view> name;
  for (const ManufacturerRow& row : ManufacturerRows()) {
    for (std::string_view code : row.codePrefixes) {
      if (ParseJedecHex(code, ByteOrder::CountFirst) == id) name = row.displayName;
    }
  }
  return name;
}

// The window matches its fragments anywhere ("AMI" inside "Gloway AMIGO"); the report takes
// whole words only.
std::optional<std::string_view> WindowMakerByName(std::string_view text) {
  std::optional<std::string_view> name;
  for (const ManufacturerRow& row : ManufacturerRows()) {
    for (std::string_view fragment : row.nameFragments) {
      if (ContainsWord(text, fragment)) name = row.displayName;
    }
  }
  return name;
}

std::optional<std::string> MakerById(JedecId id) {
  std::optional<std::string_view> name = ReportMakerById(id);
  if (!name) name = WindowMakerById(id);
  return name ? std::optional<std::string>(*name) : std::nullopt;
}

// The hex digits of a code however firmware decorates it: "Unknown - [0x9B85]", "JEDEC ID:80 CE",
// "0x80CE". Empty when the text has other characters, so it is read as a name.
std::string CodeDigits(std::string_view text) {
  const size_t open = text.find('[');
  const size_t close = open == std::string_view::npos ? open : text.find(']', open);
  if (close != std::string_view::npos) text = text.substr(open + 1, close - open - 1);
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t') compact += c;
  }
  std::string_view digits = compact;
  for (std::string_view decoration : {"JEDECID:", "JEDECID", "0x"}) {
    if (StartsWithIgnoringCase(digits, decoration)) digits.remove_prefix(decoration.size());
  }
  return IsAllHex(digits) ? std::string(digits) : std::string();
}

bool HasDecimalDigit(std::string_view text) {
  return text.find_first_of("0123456789") != std::string_view::npos;
}
}  // namespace

std::optional<std::string> DecodeModuleMaker(std::string_view raw) {
  const std::optional<std::string> text = CleanFirmwareText(raw);
  if (!text) return std::nullopt;
  const std::string digits = CodeDigits(*text);
  if (!digits.empty()) {
    for (ByteOrder order : {ByteOrder::CountFirst, ByteOrder::CodeFirst}) {
      const std::optional<JedecId> id = ParseJedecHex(digits, order);
      if (!id) continue;
      if (std::optional<std::string> name = MakerById(*id)) return name;
    }
    // Hex letters alone may still be a name ("ACE"); with digits it was a code we do not know.
    if (HasDecimalDigit(digits)) return std::nullopt;
  }
  if (std::optional<std::string_view> name = ReportMakerByName(*text)) return std::string(*name);
  if (std::optional<std::string_view> name = WindowMakerByName(*text)) return std::string(*name);
  return text;
}

std::optional<std::string> DecodeModuleMakerId(uint16_t smbiosManufacturerId) {
  const std::optional<unsigned> bank = JedecBankFromCountByte(smbiosManufacturerId & 0xFF);
  const std::optional<uint8_t> code = JedecCodeFromByte(smbiosManufacturerId >> 8);
  if (!bank || !code) return std::nullopt;
  return MakerById(JedecId{*bank, *code});
}
