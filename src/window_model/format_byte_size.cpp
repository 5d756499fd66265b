#include "window_model/format_byte_size.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

std::array<std::string, 5> SizeUnitNames = {"b.", "Kb.", "Mb.", "Gb.", "Tb."};

namespace {
constexpr std::int64_t kUnitFactor = 1024;
constexpr int kLastLevel = 4;  // terabytes take any value
constexpr std::size_t kByteFieldWidth = 4;
constexpr int kSignificantDigits = 3;
// From here on "%.3g" would round to 1000 and print "1e+03": the whole-number form takes over.
constexpr double kWholeNumberFrom = 999.5;

std::optional<std::string>& SeparatorOverride() {
  static std::optional<std::string> separator;
  return separator;
}

// The value times 100 is exact in this type (53 + 7 bits), so rounding it is exact too.
using ExactScaled = long double;
static_assert(std::numeric_limits<ExactScaled>::digits >= 60, "value * 100 must be exact");
constexpr int kPowersOfTen[] = {1, 10, 100};

// "%.3g" of a value from 1 up to (not including) 999.5, in the C locale whatever the process's
// locale is, rounding half to even as printf does. Not std::to_chars: its general float code is
// about a sixth of the executable.
std::string ThreeSignificantDigits(double value) {
  int decimals = value < 10 ? kSignificantDigits - 1 : value < 100 ? kSignificantDigits - 2 : 0;
  const auto scaledBy = [value](int places) {
    return static_cast<std::uint64_t>(std::nearbyint(static_cast<ExactScaled>(value) * kPowersOfTen[places]));
  };
  std::uint64_t digits = scaledBy(decimals);
  if (decimals > 0 && digits >= 1000) digits = scaledBy(--decimals);  // 9.996 -> 10.0, 99.96 -> 100
  std::string text = std::to_string(digits / kPowersOfTen[decimals]);
  std::string fraction = std::to_string(digits % kPowersOfTen[decimals] + kPowersOfTen[decimals]).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

std::string WithSeparator(std::string text, const std::string& separator) {
  const auto dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separator);
  return text;
}
}  // namespace

void SetStartupSizeUnitNames() { SizeUnitNames = {"B", "KB", "MB", "GB", "TB"}; }

void SetDecimalSeparatorOverride(std::optional<std::string> separator) {
  SeparatorOverride() = std::move(separator);
}

std::string UserDecimalSeparator() {
  if (SeparatorOverride()) return *SeparatorOverride();
  return PlatformDecimalSeparator();
}

std::string FormatByteSize(std::int64_t n) {
  if (n < kUnitFactor) {  // "%-4u %s"
    std::string number = std::to_string(n);
    if (number.size() < kByteFieldWidth) number.append(kByteFieldWidth - number.size(), ' ');
    return number + " " + SizeUnitNames[0];
  }
  double d = static_cast<double>(n) / kUnitFactor;
  int level = 1;
  while (level < kLastLevel && !(d < kUnitFactor)) {
    d /= kUnitFactor;
    ++level;
  }
  const std::string& unit = SizeUnitNames[static_cast<std::size_t>(level)];
  if (d < kWholeNumberFrom)
    return WithSeparator(ThreeSignificantDigits(d), UserDecimalSeparator()) + " " + unit;
  return std::to_string(static_cast<std::uint64_t>(std::trunc(d))) + " " + unit;
}
