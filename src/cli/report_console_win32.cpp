#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>

#include "cli/report_console.h"
#include "support/files/text_convert.h"

namespace {

// WriteConsoleW takes at most a few tens of kilobytes at once on older Windows.
constexpr DWORD kConsoleChunk = 8192;

}  // namespace

std::optional<bool> WriteToConsole(std::FILE* stream, const std::string& text,
                                   std::string& reason) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return std::nullopt;
  const std::wstring wide = Utf8ToWide(text);
  for (size_t at = 0; at < wide.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(wide.size() - at, kConsoleChunk));
    DWORD written = 0;
    if (!WriteConsoleW(handle, wide.data() + at, chunk, &written, nullptr) || written == 0) {
      reason = "the console refused the text (error " + std::to_string(GetLastError()) + ")";
      return false;
    }
    at += written;
  }
  return true;
}

void KeepLineEnds(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }
