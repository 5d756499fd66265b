// Windows hands out the firmware's tables through GetSystemFirmwareTable, provider 'RSMB'.
#include <windows.h>

#include "inventory/smbios/smbios_source.h"
#include "support/system/system_error_text.h"

namespace {

constexpr DWORD kRawSmbiosProvider = ('R' << 24) | ('S' << 16) | ('M' << 8) | 'B';
const char* const kRawSmbiosName = "firmware table 'RSMB'";

}  // namespace

SmbiosTable LoadFirmwareSmbios() {
  UINT size = GetSystemFirmwareTable(kRawSmbiosProvider, 0, nullptr, 0);
  if (size == 0) throw SmbiosReadError(kRawSmbiosName, SystemErrorWords(GetLastError()));
  std::vector<uint8_t> data(size);
  UINT got = GetSystemFirmwareTable(kRawSmbiosProvider, 0, data.data(), size);
  if (got == 0 || got > size) {
    throw SmbiosReadError(kRawSmbiosName, SystemErrorWords(GetLastError()));
  }
  data.resize(got);
  try {
    return ReadRawSmbiosData(data);
  } catch (const SmbiosError& e) {
    throw SmbiosReadError(kRawSmbiosName, e.what());
  }
}
