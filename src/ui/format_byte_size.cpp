#include "ui/format_byte_size.h"

#include <charconv>
#include <cmath>
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

// "%.3g" in the C locale, whatever the process's locale is.
std::string ThreeSignificantDigits(double value) {
  char text[32];
  const auto result =
      std::to_chars(text, text + sizeof(text), value, std::chars_format::general, kSignificantDigits);
  return std::string(text, result.ptr);
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
