#include <windows.h>

#include "cli/report_file.h"
#include "support/files/text_convert.h"

// The ANSI code page, as fopen reads the names of --smbios and --fixture.
NativePath ReportFilePath(const std::string& file) { return AnsiToWide(file); }

// The system's sentence without its line break and full stop, to sit inside the message's line.
std::string SystemErrorWords(uint32_t error) {
  char* text = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD length =
      FormatMessageA(flags, nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string words = length != 0 ? std::string(text, length) : "";
  if (text != nullptr) LocalFree(text);
  while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' ' ||
                            words.back() == '.')) {
    words.pop_back();
  }
  return words.empty() ? "error " + std::to_string(error) : words;
}
