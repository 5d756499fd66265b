#include "support/files/leftover_temp_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

using Char = NativePath::value_type;

bool IsHexDigit(Char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Consumes one or more lower-case hex digits from the front of `rest`.
bool SkipHex(std::basic_string_view<Char>& rest) {
  const auto end = std::find_if_not(rest.begin(), rest.end(), IsHexDigit);
  const auto count = static_cast<size_t>(end - rest.begin());
  rest.remove_prefix(count);
  return count > 0;
}

bool SkipText(std::basic_string_view<Char>& rest, std::basic_string_view<Char> text) {
  if (rest.substr(0, text.size()) != text) return false;
  rest.remove_prefix(text.size());
  return true;
}

bool IsOldEnough(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  const auto written = entry.last_write_time(error);
  if (error) return false;
  return std::filesystem::file_time_type::clock::now() - written > kLeftoverTempAge;
}

bool IsLeftoverOf(const std::filesystem::directory_entry& entry, const std::vector<NativePath>& targets) {
  std::error_code error;
  if (!entry.is_regular_file(error)) return false;
  const NativePath name = entry.path().filename().native();
  return std::any_of(targets.begin(), targets.end(),
                     [&](const NativePath& target) { return IsTempNameOf(name, target); });
}

}  // namespace

bool IsTempNameOf(const NativePath& name, const NativePath& target) {
  const NativePath dot = NativeText("."), dash = NativeText("-"), suffix = NativeText(".tmp");
  std::basic_string_view<Char> rest = name;
  return SkipText(rest, target) && SkipText(rest, dot) && SkipHex(rest) && SkipText(rest, dash) &&
         SkipHex(rest) && rest == suffix;
}

int RemoveLeftoverTempFiles(const NativePath& folder, const std::vector<NativePath>& targets) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error), end;
  std::vector<std::filesystem::path> leftovers;
  for (; !error && it != end; it.increment(error)) {
    if (IsLeftoverOf(*it, targets) && IsOldEnough(*it)) leftovers.push_back(it->path());
  }
  int removed = 0;
  for (const auto& path : leftovers) removed += std::filesystem::remove(path, error) ? 1 : 0;
  return removed;
}
