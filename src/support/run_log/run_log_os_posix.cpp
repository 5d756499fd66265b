#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>

#include "support/run_log/run_log_os.h"

namespace {
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as any new text file

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : FFd(fd) {}
  ~FileDescriptor() {
    if (FFd >= 0) ::close(FFd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return FFd; }
  bool Close() {  // reports the close, which is where some file systems report a failed write
    const int fd = std::exchange(FFd, -1);
    return ::close(fd) == 0;
  }

 private:
  int FFd;
};

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}
}  // namespace

RunLogTime PlatformLocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return RunLogTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string PlatformTimeSeparator() { return ":"; }

bool PlatformWriteNewFile(const std::string& path, const std::string& bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
  if (file.Get() < 0) return false;
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) return false;
  return file.Close();
}

bool PlatformMoveOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void PlatformRemoveFile(const std::string& path) { ::unlink(path.c_str()); }
