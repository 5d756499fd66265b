#pragma once
// Where udev's memory properties come from: its database file for the DMI device, or a saved
// copy of that file or of `udevadm info --query=property` output.
#include <stdexcept>
#include <string>

#include "inventory/udev/udev_memory.h"

// The file cannot be read, or holds no memory property: the message names it and says why.
class UdevReadError : public std::runtime_error {
 public:
  UdevReadError(const std::string& file, const std::string& reason)
      : std::runtime_error("cannot read " + file + ": " + reason), file_(file), reason_(reason) {}
  const std::string& File() const { return file_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_, reason_;
};

// The database file holds a few kilobytes; anything far bigger is not one.
constexpr size_t kMaxUdevFileSize = 1024 * 1024;

// /run/udev/data/+dmi:id, unless the environment variable MODULIX_UDEV_DB names another file.
std::string UdevDatabasePath();

// Reads, parses and maps the file; raises UdevReadError.
UdevMemoryInventory LoadUdevMemory(const std::string& path);
