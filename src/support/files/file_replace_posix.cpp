#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "support/files/file_replace.h"

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
    return ::close(std::exchange(FFd, -1)) == 0;
  }

 private:
  int FFd;
};

uint32_t WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return static_cast<uint32_t>(errno);
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}
}  // namespace

uint32_t CurrentProcessNumber() { return static_cast<uint32_t>(::getpid()); }

uint32_t PlatformWriteNewFile(const NativePath& path, std::string_view bytes) {
  FileDescriptor file(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
  if (file.Get() < 0) return static_cast<uint32_t>(errno);
  if (const uint32_t error = WriteAll(file.Get(), bytes)) return error;
  return file.Close() ? 0 : static_cast<uint32_t>(errno);
}

uint32_t PlatformMoveOver(const NativePath& from, const NativePath& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : static_cast<uint32_t>(errno);
}

void PlatformRemoveFile(const NativePath& path) { ::unlink(path.c_str()); }

// A rename is not blocked by another program's open handle here.
bool PlatformMoveErrorMayPass(uint32_t) { return false; }
