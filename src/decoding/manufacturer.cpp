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
bool ExtendedByEarlierRow(std::string_view raw, std::string_view prefix,
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

bool RowMatches(std::string_view raw, std::span<const ManufacturerRow> rows, size_t index) {
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

// The last row that matches names the maker; none leaves the text as it is.
std::string_view LastMatchingName(std::string_view raw) {
  const std::span<const ManufacturerRow> rows = ManufacturerRows();
  // Whether a row matches does not depend on the rows after it, so the walk goes backwards and
  // stops at the first match instead of testing every row.
  for (size_t i = rows.size(); i-- > 0;) {
    if (RowMatches(raw, rows, i)) return rows[i].displayName;
  }
  return raw;
}
}  // namespace

std::string DecodeManufacturer(const std::string& raw) {
  const std::string_view name = LastMatchingName(raw);
  if (StartsWithIgnoringAsciiCase(name, kPlaceholderStart)) return std::string(kNoData);
  return std::string(name);
}
