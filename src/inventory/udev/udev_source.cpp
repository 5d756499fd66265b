#include "inventory/udev/udev_source.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char* const kDatabaseVariable = "MODULIX_UDEV_DB";
const char* const kDatabasePath = "/run/udev/data/+dmi:id";

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string ReadWholeFile(const std::string& path) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw UdevReadError(path, std::strerror(errno));
  std::string bytes(kMaxUdevFileSize + 1, '\0');  // one byte past the limit tells it is too big
  size_t size = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) throw UdevReadError(path, std::strerror(errno));
  if (size > kMaxUdevFileSize) throw UdevReadError(path, "too large for udev's properties");
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::string UdevDatabasePath() {
  const char* path = std::getenv(kDatabaseVariable);
  return path && *path ? path : kDatabasePath;
}

UdevMemoryInventory LoadUdevMemory(const std::string& path) {
  UdevMemoryInventory inv = MapUdevMemory(ParseUdevProperties(ReadWholeFile(path)));
  if (!inv.describesMemory) {
    throw UdevReadError(path, "no MEMORY_ARRAY_ or MEMORY_DEVICE_ property in it");
  }
  return inv;
}
