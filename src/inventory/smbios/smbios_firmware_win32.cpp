// Windows hands out the firmware's tables through GetSystemFirmwareTable, provider 'RSMB'.
#include <windows.h>

#include "inventory/smbios/smbios_source.h"

namespace {

constexpr DWORD kRawSmbiosProvider = ('R' << 24) | ('S' << 16) | ('M' << 8) | 'B';
const char* const kRawSmbiosName = "firmware table 'RSMB'";

std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = n ? std::string(text, n) : "error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == '.'))
    result.pop_back();
  return result;
}

}  // namespace

SmbiosTable LoadFirmwareSmbios() {
  UINT size = GetSystemFirmwareTable(kRawSmbiosProvider, 0, nullptr, 0);
  if (size == 0) throw SmbiosReadError(kRawSmbiosName, SystemErrorText(GetLastError()));
  std::vector<uint8_t> data(size);
  UINT got = GetSystemFirmwareTable(kRawSmbiosProvider, 0, data.data(), size);
  if (got == 0 || got > size) {
    throw SmbiosReadError(kRawSmbiosName, SystemErrorText(GetLastError()));
  }
  data.resize(got);
  try {
    return ReadRawSmbiosData(data);
  } catch (const SmbiosError& e) {
    throw SmbiosReadError(kRawSmbiosName, e.what());
  }
}
