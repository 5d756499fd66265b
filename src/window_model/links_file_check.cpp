#include "window_model/links_file_check.h"

#include <algorithm>

namespace {

constexpr std::string_view kLinksSection = "[links]";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view line) {
  const size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

bool IsSectionLine(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool IsWholeLine(std::string_view line) {
  if (line.empty() || line.front() == ';' || line.front() == '#' || IsSectionLine(line)) return true;
  const size_t equals = line.find('=');
  return equals != std::string_view::npos && !Trimmed(line.substr(0, equals)).empty();
}

// INI section names are matched without regard to letter case.
bool IsLinksSection(std::string_view line) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  auto sameLetter = [&](char a, char b) { return lower(a) == lower(b); };
  return std::equal(line.begin(), line.end(), kLinksSection.begin(), kLinksSection.end(), sameLetter);
}

bool HasControlBytes(std::string_view line) {
  for (const char c : line) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
  }
  return false;
}

}  // namespace

std::string WhyNotALinksFile(std::string_view body) {
  if (body.empty()) return "empty body";
  if (body.back() != '\n') return "no line end after the last line";
  bool hasLinks = false;
  int number = 0;
  for (size_t start = 0; start < body.size();) {
    const size_t end = body.find('\n', start);
    std::string_view line = body.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (HasControlBytes(line)) return "control byte in line " + std::to_string(number);
    line = Trimmed(line);
    if (!IsWholeLine(line)) return "line " + std::to_string(number) + " is not key=value";
    hasLinks = hasLinks || IsLinksSection(line);
  }
  return hasLinks ? std::string() : "no [links] section";
}
