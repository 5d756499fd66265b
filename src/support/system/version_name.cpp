#include "support/system/version_name.h"

#include <array>

namespace {
struct NamedVersion {
  uint32_t major;
  uint32_t minor;
  const char* suffix;
};

constexpr std::array<NamedVersion, 6> kNTNames{{
    {5, 0, " (Windows 2000)"},
    {5, 1, " (Windows XP)"},
    {6, 0, " (Vista)"},
    {6, 1, " (Seven)"},
    {6, 2, " (Windows8)"},
    {6, 3, " (Windows8.1)"},
}};

constexpr char kUnknown[] = "Unknown";

std::string MajorMinor(uint32_t major, uint32_t minor) {
  return std::to_string(major) + "." + std::to_string(minor);
}

const char* Windows9xSuffix(uint32_t major, uint32_t minor, const std::string& servicePack) {
  if (major != 4) return " (Unknown)";
  switch (minor) {
    case 0: return " (95)";
    case 10: return servicePack.size() >= 2 && servicePack[1] == 'A' ? " (98SE)" : " (98)";
    case 90: return " (ME)";
    default: return " (Unknown)";
  }
}
}  // namespace

std::string WindowsVersionName(uint32_t platformId, uint32_t major, uint32_t minor,
                               const std::string& servicePack) {
  if (platformId != kPlatformWindows9x) return kUnknown;
  return MajorMinor(major, minor) + Windows9xSuffix(major, minor, servicePack);
}

std::string NTVersionName(bool querySucceeded, uint32_t major, uint32_t minor) {
  if (!querySucceeded) return kUnknown;
  std::string name = MajorMinor(major, minor);
  for (const NamedVersion& v : kNTNames) {
    if (v.major == major && v.minor == minor) name += v.suffix;
  }
  return name;
}
