#include "decoding/manufacturer.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "decoding/manufacturer_table.h"
#include "decoding/text_match.h"

namespace {
constexpr std::string_view kPlaceholderStart = "Manufacturer";  // "Manufacturer00" and the like
constexpr std::string_view kNoData = "N/A";

// The raw text with the set of its characters, folded: a code or a name whose first character
// the text lacks (or does not start with) is ruled out without comparing further, which is what
// nearly every row of the table comes to.
class RawText {
 public:
  explicit RawText(std::string_view text) : text_(text) {
    for (char c : text) Mark(FoldAscii(c));
  }
  bool StartsWith(std::string_view prefix) const {
    if (prefix.empty()) return true;
    return !text_.empty() && FoldAscii(text_.front()) == FoldAscii(prefix.front()) &&
           StartsWithIgnoringAsciiCase(text_, prefix);
  }
  bool Contains(std::string_view fragment) const {
    if (fragment.empty() || !Holds(FoldAscii(fragment.front()))) return false;
    return ContainsIgnoringAsciiCase(fragment, text_);
  }
  std::string_view Text() const { return text_; }

 private:
  static constexpr unsigned kBitsPerWord = 64;
  void Mark(char c) {
    const auto b = static_cast<unsigned char>(c);
    present_[b / kBitsPerWord] |= uint64_t{1} << (b % kBitsPerWord);
  }
  bool Holds(char c) const {
    const auto b = static_cast<unsigned char>(c);
    return (present_[b / kBitsPerWord] >> (b % kBitsPerWord)) & 1;
  }

  std::string_view text_;
  uint64_t present_[256 / kBitsPerWord] = {};
};

// A short prefix yields to a longer one of an earlier row that extends it: "01" (AMD) does not
// claim "0198...", which is Kingston's code.
bool ExtendedByEarlierRow(const RawText& raw, std::string_view prefix,
                          std::span<const ManufacturerRow> earlierRows) {
  for (const ManufacturerRow& row : earlierRows) {
    for (std::string_view longer : row.codePrefixes) {
      if (longer.size() > prefix.size() && StartsWithIgnoringAsciiCase(longer, prefix) &&
          raw.StartsWith(longer))
        return true;
    }
  }
  return false;
}

bool RowMatches(const RawText& raw, std::span<const ManufacturerRow> rows, size_t index) {
  const ManufacturerRow& row = rows[index];
  for (std::string_view prefix : row.codePrefixes) {
    if (raw.StartsWith(prefix) && !ExtendedByEarlierRow(raw, prefix, rows.first(index)))
      return true;
  }
  for (std::string_view fragment : row.nameFragments) {
    if (raw.Contains(fragment)) return true;
  }
  return false;
}

// The last row that matches names the maker; none leaves the text as it is.
std::string_view LastMatchingName(std::string_view text) {
  const RawText raw(text);
  const std::span<const ManufacturerRow> rows = ManufacturerRows();
  // Whether a row matches does not depend on the rows after it, so the walk goes backwards and
  // stops at the first match instead of testing every row.
  for (size_t i = rows.size(); i-- > 0;) {
    if (RowMatches(raw, rows, i)) return rows[i].displayName;
  }
  return text;
}
}  // namespace

std::string DecodeManufacturer(const std::string& raw) {
  const std::string_view name = LastMatchingName(raw);
  if (StartsWithIgnoringAsciiCase(name, kPlaceholderStart)) return std::string(kNoData);
  return std::string(name);
}
