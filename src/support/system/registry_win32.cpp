#include <windows.h>

#include "support/system/registry.h"
#include "support/system/registry_key_win32.h"
#include "support/system/system_info.h"

namespace {
// The other program keeps its settings in the 64-bit view; a 32-bit build reads them there and
// asks for no more than it needs.
constexpr REGSAM kQuorinWow64Access = KEY_READ | KEY_WOW64_64KEY;  // 0x20119

std::string QuorinKeyPath() { return VendorKeyPath() + "\\" + kQuorinSubkeyName; }
}  // namespace

void WriteVendorValue(const std::string& name, const std::wstring& data) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, VendorKeyPath(), KEY_ALL_ACCESS);
  if (!key) return;
  WriteStringValue(key.Get(), name, data);
}

std::string ReadVendorValue(const std::string& name) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, VendorKeyPath(), KEY_ALL_ACCESS);
  if (!key) return {};
  return ReadStringValue(key.Get(), name);
}

std::wstring ReadVendorPath(const std::string& name) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, VendorKeyPath(), KEY_ALL_ACCESS);
  if (!key) return {};
  return ReadWideStringValue(key.Get(), name);
}

std::string ReadQuorinValue(const std::string& name) {
  const REGSAM access = IsWow64() ? kQuorinWow64Access : KEY_ALL_ACCESS;
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, QuorinKeyPath(), access);
  if (!key) return {};
  return ReadStringValue(key.Get(), name);
}
