#include "decoding/manufacturer.h"

#include <string>
#include <string_view>

#include "decoding/manufacturer_table.h"
#include "decoding/text_match.h"

namespace {
constexpr std::string_view kPlaceholderStart = "Manufacturer";  // "Manufacturer00" and the like
constexpr std::string_view kNoData = "N/A";

// A short prefix yields to a longer one of an earlier row that extends it: "01" (AMD) does not
// claim "0198...", which is Kingston's code.
bool ExtendedByEarlierRow(const std::string& raw, std::string_view prefix,
                          std::span<const ManufacturerRow> earlierRows) {
  for (const ManufacturerRow& row : earlierRows) {
    for (std::string_view longer : row.codePrefixes) {
      if (longer.size() > prefix.size() && StartsWithIgnoringAsciiCase(longer, prefix) &&
          StartsWithIgnoringAsciiCase(raw, longer))
        return true;
    }
  }
  return false;
}

bool RowMatches(const std::string& raw, std::span<const ManufacturerRow> rows, size_t index) {
  const ManufacturerRow& row = rows[index];
  for (std::string_view prefix : row.codePrefixes) {
    if (StartsWithIgnoringAsciiCase(raw, prefix) &&
        !ExtendedByEarlierRow(raw, prefix, rows.first(index)))
      return true;
  }
  for (std::string_view fragment : row.nameFragments) {
    if (ContainsIgnoringAsciiCase(fragment, raw)) return true;
  }
  return false;
}
}  // namespace

std::string DecodeManufacturer(const std::string& raw) {
  std::string result = raw;
  const std::span<const ManufacturerRow> rows = ManufacturerRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (RowMatches(raw, rows, i)) result = rows[i].displayName;
  }
  if (StartsWithIgnoringAsciiCase(result, kPlaceholderStart)) result = kNoData;
  return result;
}
