#pragma once
// An open registry key that closes itself.
#include <windows.h>

#include <string>

class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(HKEY key) : key_(key) {}
  RegistryKey(RegistryKey&& other) noexcept : key_(other.Release()) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  HKEY Get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  HKEY Release();

  // Opens `path` below `root` with `access`, creating it when missing; an empty key on failure.
  static RegistryKey Create(HKEY root, const std::string& path, REGSAM access);

 private:
  HKEY key_ = nullptr;
};

// Text of a REG_SZ or REG_EXPAND_SZ value up to its first NUL; empty when the value is missing;
// RegistryError for another type or a failing read.
std::string ReadStringValue(HKEY key, const std::string& name);
// The same through the wide function, for texts (paths) that must come back exactly.
std::wstring ReadWideStringValue(HKEY key, const std::string& name);
// Sets a REG_SZ value through the wide function; RegistryError when the write fails.
void WriteStringValue(HKEY key, const std::string& name, const std::wstring& data);
