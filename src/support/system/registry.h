#pragma once
// The maker's per-user registry key, HKEY_CURRENT_USER\SOFTWARE\Tervane, shared by the
// programs of the family: one string value per program (title = executable path), and the
// subkey "Quorin" whose string values hold the proxy settings.
#include <stdexcept>
#include <string>

inline constexpr char kVendorKeyPath[] = "SOFTWARE\\Tervane";
inline constexpr char kQuorinSubkeyName[] = "Quorin";

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `data` as a REG_SZ value under the vendor key, creating the key when missing. Nothing
// happens when the key cannot be opened or created; a failing write raises RegistryError. The
// data is an executable's path, written with the wide function so it is stored exactly, even
// with characters outside the ANSI code page.
void WriteVendorValue(const std::string& name, const std::wstring& data);

// The text of a REG_SZ or REG_EXPAND_SZ value (up to its first NUL, variables unexpanded), empty
// when the value or the key is missing. Reading creates the key. RegistryError for a value of
// another type.
std::string ReadVendorValue(const std::string& name);
// The same for a value that holds a path, read with the wide function: the exact path.
std::wstring ReadVendorPath(const std::string& name);
// The same for the "Quorin" subkey, read through the 64-bit view (read access only) under WOW64.
std::string ReadQuorinValue(const std::string& name);

// Points the functions above at another key below HKEY_CURRENT_USER, so tests can work on a
// throwaway key; an empty path restores kVendorKeyPath.
void SetVendorKeyPath(const std::string& path);
std::string VendorKeyPath();
