#pragma once
// Where SMBIOS tables come from: a file, or this machine's firmware (the kernel's copy under
// /sys/firmware/dmi/tables on Linux, GetSystemFirmwareTable 'RSMB' on Windows).
#include <cstdint>
#include <string>
#include <vector>

#include "inventory/smbios/smbios_table.h"

// A source that could not be read or understood: which file, and why.
class SmbiosReadError : public SmbiosError {
 public:
  // systemError: the errno value behind the reason, 0 when the bytes themselves are at fault.
  SmbiosReadError(std::string file, std::string reason, int systemError = 0);
  const std::string& File() const { return file_; }
  const std::string& Reason() const { return reason_; }
  int SystemError() const { return systemError_; }

 private:
  std::string file_;
  std::string reason_;
  int systemError_;
};

// Dumps are a few kilobytes; anything far bigger is not one.
constexpr size_t kMaxSmbiosFileSize = 16 * 1024 * 1024;

// The whole file; raises SmbiosReadError with the system's reason, or for a file (or device)
// that holds more than kMaxSmbiosFileSize bytes.
std::vector<uint8_t> ReadSmbiosFile(const std::string& path);
// A `dmidecode --dump-bin` file or a bare table; raises SmbiosReadError naming the file.
SmbiosTable LoadSmbiosDumpFile(const std::string& path);

// The firmware's own tables; raises SmbiosReadError naming what could not be read.
SmbiosTable LoadFirmwareSmbios();
// Linux: the folder holding smbios_entry_point and DMI, /sys/firmware/dmi/tables unless the
// environment variable MODULIX_DMI_TABLES names another (tests point it at their own files).
std::string FirmwareTablesFolder();
