#include "report/advice/advice_rules.h"
#include "report/advice/advice_words.h"

namespace {
constexpr size_t kMostDigits = 5;  // 99999 at most: no overflow, and no real speed is longer
constexpr uint32_t kPc3RatingToMTs = 8;
constexpr uint32_t kLowestPc3Rating = 6400;  // PC3-6400 = DDR3-800; below it F3- gives MT/s

// A cursor over the part number; every read moves forward, so each scheme is one pass.
class PartReader {
 public:
  explicit PartReader(std::string_view text) : text_(text) {}
  bool Take(std::string_view literal) {
    if (!StartsWithIgnoringCase(text_, literal)) return false;
    text_.remove_prefix(literal.size());
    return true;
  }
  // 1 to kMostDigits decimal digits; std::nullopt when there are none or too many.
  std::optional<uint32_t> Number() {
    uint32_t value = 0;
    size_t count = 0;
    while (count < text_.size() && text_[count] >= '0' && text_[count] <= '9') {
      if (++count > kMostDigits) return std::nullopt;
      value = value * 10 + static_cast<uint32_t>(text_[count - 1] - '0');
    }
    if (count == 0) return std::nullopt;
    text_.remove_prefix(count);
    return value;
  }
  bool TakeLetter() {
    if (text_.empty()) return false;
    const char c = text_[0];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    text_.remove_prefix(1);
    return true;
  }
  // Skips to just after the next occurrence of the letter, in either case; false when none.
  bool SkipPastLetter(char upper) {
    for (size_t at = 0; at < text_.size(); ++at) {
      if (text_[at] == upper || text_[at] == upper - 'A' + 'a') {
        text_.remove_prefix(at + 1);
        return true;
      }
    }
    return false;
  }

 private:
  std::string_view text_;
};

// The two-digit speed of Kingston FURY and Crucial Ballistix: the hundreds of the MT/s, where a
// few grades end in 33 or 66 rather than 00.
uint32_t SpeedFromTwoDigits(uint32_t digits) {
  switch (digits) {
    case 13: return 1333;
    case 18: return 1866;
    case 21: return 2133;
    case 26: return 2666;
    case 29: return 2933;
    case 33: return 3333;
    case 34: return 3466;
    case 37: return 3733;
    default: return digits * 100;
  }
}

std::optional<uint32_t> TwoDigitSpeed(std::optional<uint32_t> digits) {
  if (!digits || *digits < 10 || *digits > 99) return std::nullopt;
  return SpeedFromTwoDigits(*digits);
}

// G.Skill: F3-12800CL9D-8GBXL (a PC3 rating), F3-1600C9D (newer DDR3 parts give MT/s),
// F4-3200C16D-16GVKB, F5-6000J3636F16GX2.
std::optional<uint32_t> GSkill(PartReader part) {
  const bool ddr3 = part.Take("F3-");
  if (!ddr3 && !part.Take("F4-") && !part.Take("F5-")) return std::nullopt;
  const std::optional<uint32_t> number = part.Number();
  if (!number || !part.TakeLetter()) return std::nullopt;
  if (ddr3 && *number >= kLowestPc3Rating) return *number / kPc3RatingToMTs;
  return number;
}

// Kingston FURY: KF436C17BBK2/16, KF556C40-16 (generation digit, then two speed digits).
std::optional<uint32_t> KingstonFury(PartReader part) {
  if (!part.Take("KF")) return std::nullopt;
  const std::optional<uint32_t> number = part.Number();
  if (!number || *number < 100 || *number > 999 || !part.Take("C")) return std::nullopt;
  return TwoDigitSpeed(*number % 100);
}

// HyperX: KHX2666C16/8G.
std::optional<uint32_t> HyperX(PartReader part) {
  if (!part.Take("KHX")) return std::nullopt;
  const std::optional<uint32_t> speed = part.Number();
  if (!speed || !part.Take("C")) return std::nullopt;
  return speed;
}

// Corsair: CMK32GX4M2B3200C16, CMK16GX5M2B6000C36: "X" generation "M" modules, a letter, MT/s, "C".
std::optional<uint32_t> CorsairAfterX(PartReader part) {
  if (!part.Number() || !part.Take("M") || !part.Number() || !part.TakeLetter())
    return std::nullopt;
  const std::optional<uint32_t> speed = part.Number();
  if (!speed || !part.Take("C")) return std::nullopt;
  return speed;
}

// The series letters may hold an X too ("CMSX16GX4M2A2666C18"), so each X is tried. A try reads
// a bounded number of characters (numbers stop at kMostDigits), which keeps the whole walk linear.
std::optional<uint32_t> Corsair(PartReader part) {
  if (!part.Take("CM")) return std::nullopt;
  while (part.SkipPastLetter('X')) {
    if (std::optional<uint32_t> speed = CorsairAfterX(part)) return speed;
  }
  return std::nullopt;
}

// TEAMGROUP-UD4-3200, TEAMGROUP-UD5-6000.
std::optional<uint32_t> TeamGroup(PartReader part) {
  if (!part.Take("TEAMGROUP-UD") || !part.Number() || !part.Take("-")) return std::nullopt;
  return part.Number();
}

// Crucial Ballistix: BL8G32C16U4B, and kits BL2K16G36C16U4B.
std::optional<uint32_t> Ballistix(PartReader part) {
  if (!part.Take("BL") || !part.Number()) return std::nullopt;
  if (part.Take("K") && !part.Number()) return std::nullopt;
  if (!part.Take("G")) return std::nullopt;
  const std::optional<uint32_t> digits = part.Number();
  if (!digits || !part.Take("C")) return std::nullopt;
  return TwoDigitSpeed(digits);
}
}  // namespace

std::optional<uint32_t> KitRatedSpeed(std::string_view partNumber) {
  const PartReader part(TrimFirmwareBlanks(partNumber));
  for (auto scheme : {GSkill, KingstonFury, HyperX, Corsair, TeamGroup, Ballistix}) {
    if (std::optional<uint32_t> speed = scheme(part); speed && *speed > 0) return speed;
  }
  return std::nullopt;
}
