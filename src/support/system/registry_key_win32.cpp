#include "support/system/registry_key_win32.h"

#include <algorithm>
#include <utility>

#include "support/files/text_convert.h"
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
  throw RegistryError("Invalid data type for registry value '" + name + "'");
}

[[noreturn]] void RaiseReadFailure(const std::string& name) {
  throw RegistryError("Failed to read registry value '" + name + "'");
}
}  // namespace

namespace {
// The two query functions under one name, so one reader serves both text types.
LONG QueryValue(HKEY key, const std::string& name, DWORD* type, char* data, DWORD* bytes) {
  return RegQueryValueExA(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(data), bytes);
}
LONG QueryValue(HKEY key, const std::string& name, DWORD* type, wchar_t* data, DWORD* bytes) {
  return RegQueryValueExW(key, AnsiToWide(name).c_str(), nullptr, type,
                          reinterpret_cast<BYTE*>(data), bytes);
}

template <typename Char>
std::basic_string<Char> ReadText(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD bytes = 0;
  LONG status = QueryValue(key, name, &type, static_cast<Char*>(nullptr), &bytes);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) RaiseReadFailure(name);
  std::basic_string<Char> text;
  do {  // the value may grow between the size query and the read
    if (!IsStringType(type)) RaiseWrongType(name);
    text.assign(bytes / sizeof(Char) + 1, Char{});  // an odd byte count still fits
    bytes = static_cast<DWORD>(text.size() * sizeof(Char));
    status = QueryValue(key, name, &type, text.data(), &bytes);
  } while (status == ERROR_MORE_DATA);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) RaiseReadFailure(name);
  if (!IsStringType(type)) RaiseWrongType(name);
  text.resize(std::min<size_t>(bytes / sizeof(Char), text.size()));
  return text.substr(0, text.find(Char{}));  // the stored terminator, or an embedded NUL
}
}  // namespace

std::string ReadStringValue(HKEY key, const std::string& name) { return ReadText<char>(key, name); }

std::wstring ReadWideStringValue(HKEY key, const std::string& name) {
  return ReadText<wchar_t>(key, name);
}

void WriteStringValue(HKEY key, const std::string& name, const std::wstring& data) {
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));  // with its NUL
  const LONG status = RegSetValueExW(key, AnsiToWide(name).c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.c_str()), bytes);
  if (status != ERROR_SUCCESS) {
    throw RegistryError("Failed to write registry value '" + name + "'");
  }
}
