#include "report/report_facts.h"

#include <array>

namespace {

constexpr std::array<std::pair<int64_t, const char*>, 3> kUnits = {
    {{int64_t{1} << 30, " GB"}, {int64_t{1} << 20, " MB"}, {int64_t{1} << 10, " KB"}}};

}  // namespace

std::string ExactSizeText(int64_t bytes) {
  for (auto [unit, name] : kUnits) {
    if (bytes != 0 && bytes % unit == 0) return std::to_string(bytes / unit) + name;
  }
  return std::to_string(bytes) + " bytes";
}

std::string ApproximateSizeText(int64_t bytes) {
  for (auto [unit, name] : kUnits) {
    if (bytes >= unit) {
      int64_t tenths = bytes / (unit / 1024) * 10 / 1024;  // unit / 1024 keeps it in 64 bits
      std::string text = std::to_string(tenths / 10);
      if (tenths % 10) {
        text += '.';
        text += static_cast<char>('0' + tenths % 10);
      }
      return text.append(name);
    }
  }
  return std::to_string(bytes) + " bytes";
}

std::string VoltageText(int64_t millivolts) {
  std::string fraction = std::to_string(1000 + millivolts % 1000).substr(1);  // three digits
  while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
  std::string text = std::to_string(millivolts / 1000);
  text += '.';
  return text.append(fraction).append(" V");
}

std::string WidthText(std::optional<int64_t> data, std::optional<int64_t> total) {
  if (!data && !total) return "";
  if (!data) return std::to_string(*total) + " bits total";
  std::string text = std::to_string(*data) + " bits";
  if (total && *total > *data) text += ", " + std::to_string(*total) + " total (ECC)";
  return text;
}

std::string SpeedText(int64_t megatransfers) { return std::to_string(megatransfers) + " MT/s"; }
