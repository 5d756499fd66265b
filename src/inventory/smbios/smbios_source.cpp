#include "inventory/smbios/smbios_source.h"

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

constexpr size_t kReadChunk = 64 * 1024;

}  // namespace

SmbiosReadError::SmbiosReadError(std::string file, std::string reason)
    : SmbiosError(file + ": " + reason), file_(std::move(file)), reason_(std::move(reason)) {}

std::vector<uint8_t> ReadSmbiosFile(const std::string& path) {
  errno = 0;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) throw SmbiosReadError(path, std::strerror(errno));
  std::vector<uint8_t> bytes;
  uint8_t chunk[kReadChunk];
  while (size_t n = std::fread(chunk, 1, sizeof chunk, file.get())) {
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (bytes.size() > kMaxSmbiosFileSize) throw SmbiosReadError(path, "too large for SMBIOS tables");
  }
  if (std::ferror(file.get())) throw SmbiosReadError(path, std::strerror(errno));
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
