#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "support/download/file_grabber_file.h"

namespace {

class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : FFd(fd) {}
  ~TFileDescriptor() {
    if (FFd >= 0) ::close(FFd);
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return FFd; }
  int Close() {
    const int result = ::close(FFd);
    FFd = -1;
    return result;
  }

 private:
  int FFd;
};

uint32_t WriteAll(const std::string& path, std::string_view content) {
  TFileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.Get() < 0) return uint32_t(errno);
  while (!content.empty()) {
    const ssize_t written = ::write(file.Get(), content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return uint32_t(errno);
    content.remove_prefix(size_t(written));
  }
  return file.Close() == 0 ? 0 : uint32_t(errno);
}

}  // namespace

uint32_t ReplaceFileContent(const std::string& path, std::string_view content) {
  const std::string temporary = path + kReplaceTempSuffix;
  uint32_t error = WriteAll(temporary, content);
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = uint32_t(errno);
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}
