#include "cli/report_output.h"

#include <cerrno>
#include <cstring>

#include "cli/report_console.h"

namespace {

bool Failed(std::string& reason) {
  reason = errno != 0 ? std::strerror(errno) : "write error";
  return false;
}

}  // namespace

bool WriteOutput(std::FILE* stream, const std::string& text, std::string& reason) {
  if (text.empty()) return true;
  std::optional<bool> console = WriteToConsole(stream, text, reason);
  if (console) return *console;
  // Unbuffered, the report goes out in one write, without a copy through the stream's buffer.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return Failed(reason);
  if (std::fflush(stream) != 0 || std::ferror(stream)) return Failed(reason);
  return true;
}

bool CloseOutput(std::FILE* stream, std::string& reason) {
  errno = 0;
  if (std::fclose(stream) != 0) return Failed(reason);
  return true;
}
