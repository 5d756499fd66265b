#include "inventory/smbios/smbios_source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A dump is read straight into its vector, without the stream's own buffer: one page first,
// doubling while the file goes on. Most tables fit the first page.
constexpr size_t kFirstRead = 4096;

}  // namespace

SmbiosReadError::SmbiosReadError(std::string file, std::string reason, int systemError)
    : SmbiosError(file + ": " + reason),
      file_(std::move(file)),
      reason_(std::move(reason)),
      systemError_(systemError) {}

std::vector<uint8_t> ReadSmbiosFile(const std::string& path) {
  errno = 0;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) throw SmbiosReadError(path, std::strerror(errno), errno);
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  std::vector<uint8_t> bytes(kFirstRead);
  size_t size = 0;
  for (;;) {
    const size_t wanted = bytes.size() - size;
    const size_t n = std::fread(bytes.data() + size, 1, wanted, file.get());
    size += n;
    // Said plainly: the bytes may come from a device that never ends (/dev/zero).
    if (size > kMaxSmbiosFileSize) throw SmbiosReadError(path, "it holds more than 16 MiB");
    if (n < wanted) break;  // the end of the file, or an error
    // One byte past the limit is enough to know the file is not a dump.
    bytes.resize(std::min(2 * size, kMaxSmbiosFileSize + 1));
  }
  if (std::ferror(file.get())) throw SmbiosReadError(path, std::strerror(errno), errno);
  bytes.resize(size);
  return bytes;
}

SmbiosTable LoadSmbiosDumpFile(const std::string& path) {
  std::vector<uint8_t> bytes = ReadSmbiosFile(path);
  try {
    return ReadSmbiosDump(bytes);
  } catch (const SmbiosReadError&) {
    throw;
  } catch (const SmbiosError& e) {
    throw SmbiosReadError(path, e.what());
  }
}

std::string FirmwareTablesFolder() {
  const char* folder = std::getenv("MODULIX_DMI_TABLES");
  return folder && *folder ? folder : "/sys/firmware/dmi/tables";
}
