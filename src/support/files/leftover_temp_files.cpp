#include "support/files/leftover_temp_files.h"

#include <algorithm>

#include "support/files/folder_files.h"

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

}  // namespace

bool IsTempNameOf(const NativePath& name, const NativePath& target) {
  const NativePath dot = NativeText("."), dash = NativeText("-"), suffix = NativeText(".tmp");
  std::basic_string_view<Char> rest = name;
  return SkipText(rest, target) && SkipText(rest, dot) && SkipHex(rest) && SkipText(rest, dash) &&
         SkipHex(rest) && rest == suffix;
}

int RemoveLeftoverTempFiles(const NativePath& folder, const std::vector<NativePath>& targets) {
  int removed = 0;
  for (const FolderFile& file : RegularFilesIn(folder, kLeftoverTempAge)) {
    const bool ours = std::any_of(targets.begin(), targets.end(), [&](const NativePath& target) {
      return IsTempNameOf(file.name, target);
    });
    if (ours && file.older && RemoveFolderFile(folder, file.name)) ++removed;
  }
  return removed;
}
