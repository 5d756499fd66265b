#include "support/system/registry_key_win32.h"

#include <algorithm>
#include <utility>

#include "support/system/registry.h"

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    RegistryKey old(std::exchange(key_, other.Release()));
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) RegCloseKey(key_);
}

HKEY RegistryKey::Release() { return std::exchange(key_, nullptr); }

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      access, nullptr, &key, nullptr);
  return RegistryKey(status == ERROR_SUCCESS ? key : nullptr);
}

namespace {
bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

[[noreturn]] void RaiseWrongType(const std::string& name) {
  throw RegistryTypeError("Invalid data type for registry value '" + name + "'");
}

[[noreturn]] void RaiseReadFailure(const std::string& name) {
  throw RegistryError("Failed to read registry value '" + name + "'");
}
}  // namespace

std::string ReadStringValue(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) RaiseReadFailure(name);
  std::string text;
  do {  // the value may grow between the size query and the read
    if (!IsStringType(type)) RaiseWrongType(name);
    text.assign(size, '\0');
    status = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(text.data()), &size);
  } while (status == ERROR_MORE_DATA);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) RaiseReadFailure(name);
  if (!IsStringType(type)) RaiseWrongType(name);
  text.resize(std::min<size_t>(size, text.size()));
  return text.substr(0, text.find('\0'));  // the stored terminator, or an embedded NUL
}

void WriteStringValue(HKEY key, const std::string& name, const std::string& data) {
  const auto size = static_cast<DWORD>(data.size() + 1);  // with its terminating NUL
  const LONG status = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.c_str()), size);
  if (status != ERROR_SUCCESS) {
    throw RegistryError("Failed to write registry value '" + name + "'");
  }
}
