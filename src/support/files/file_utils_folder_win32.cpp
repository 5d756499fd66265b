#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "support/files/file_utils.h"
#include "support/files/text_convert.h"

namespace {
constexpr wchar_t kVendorFolderName[] = L"Tervane";

struct ItemIdListFree {
  void operator()(LPITEMIDLIST list) const { CoTaskMemFree(list); }
};
using ItemIdListHolder = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

std::wstring PathOfItem(LPCITEMIDLIST item) {
  // The wide call where it works: a user name outside the ANSI code page would otherwise come
  // back with "?" in it and the data folder could never be made.
  if (WideApiAvailable) {
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(item, path) ? std::wstring(path) : std::wstring();
  }
  char path[MAX_PATH] = {};
  return SHGetPathFromIDListA(item, path) ? AnsiToWide(path) : std::wstring();
}

// The current user's roaming application-data folder; empty when the shell cannot say.
std::wstring RoamingAppDataFolder() {
  LPITEMIDLIST raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &raw)) || raw == nullptr) {
    return {};
  }
  ItemIdListHolder item(raw);
  return PathOfItem(item.get());
}

void CreateFolder(const std::wstring& path) {
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, FALSE};
  WideCreateDirectory(path, &attributes);  // an existing folder is fine; the check comes later
}
}  // namespace

std::wstring GetUserDataFolder(const std::wstring& programPath, const std::wstring& title) {
  return GetUserDataFolder(programPath, title, RoamingAppDataFolder());
}

std::wstring GetUserDataFolder(const std::wstring& programPath, const std::wstring& title,
                               const std::wstring& appDataFolder) {
  const std::wstring fallback = WithTrailingBackslash(FolderOf(programPath));
  if (appDataFolder.empty()) return fallback;
  // Created without trailing backslashes: the long form passes them on unnormalised.
  const std::wstring vendorFolder = WithTrailingBackslash(appDataFolder) + kVendorFolderName;
  CreateFolder(vendorFolder);
  const std::wstring dataFolder = vendorFolder + L'\\' + title;
  CreateFolder(dataFolder);
  return WideDirectoryExists(dataFolder) ? dataFolder + L'\\' : fallback;
}

std::vector<std::wstring> GetProgramFilesFolders() {
  std::vector<std::wstring> folders;
  for (int folder : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86}) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)) && *path)
      folders.emplace_back(path);
  }
  return folders;
}
