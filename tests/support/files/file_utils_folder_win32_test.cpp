#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "file_utils_test_files_win32.h"
#include "support/files/file_utils.h"

namespace {
const std::wstring kProgram = L"C:\\Program Files\\Modulix\\Modulix.exe";
const std::wstring kProgramFolder = L"C:\\Program Files\\Modulix\\";
}  // namespace

TEST(UserDataFolder, FirstRunCreatesBothLevelsAndReturnsTheInnerOne) {
  TempFolder appData;
  const std::wstring folder = GetUserDataFolder(kProgram, L"Modulix", appData.Path());
  EXPECT_EQ(folder, appData / L"Tervane\\Modulix\\");
  EXPECT_TRUE(WideDirectoryExists(appData / L"Tervane"));
  EXPECT_TRUE(WideDirectoryExists(appData / L"Tervane\\Modulix"));
  // Later runs find the folders in place; an application-data path with its own trailing
  // backslash gives the same answer.
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", appData.Path()), folder);
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", appData.Path() + L"\\"), folder);
}

TEST(UserDataFolder, FallsBackToTheProgramFolderWhenTheDataFolderCannotBeMade) {
  TempFolder temp;
  ASSERT_TRUE(MakeFile(temp / L"a-file", "x"));
  // Only the two last levels are ever created: a missing application-data folder stays missing.
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", temp / L"missing\\Roaming"), kProgramFolder);
  EXPECT_FALSE(WideDirectoryExists(temp / L"missing"));
  // A file standing where the folder should be cannot take sub-folders.
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", temp / L"a-file"), kProgramFolder);
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", L""), kProgramFolder);
  EXPECT_EQ(GetUserDataFolder(L"\\\\server\\tools\\Modulix.exe", L"Modulix", L""),
            L"\\\\server\\tools\\");
}

TEST(UserDataFolder, TitleInPlaceOfTheDataFolderAsAFileFallsBack) {
  TempFolder appData;
  ASSERT_TRUE(WideCreateDirectory(appData / L"Tervane", nullptr));
  ASSERT_TRUE(MakeFile(appData / L"Tervane\\Modulix", "not a folder"));
  EXPECT_EQ(GetUserDataFolder(kProgram, L"Modulix", appData.Path()), kProgramFolder);
}

TEST(UserDataFolder, ShellsRoamingFolderIsTheDefault) {
  wchar_t roaming[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, roaming)));
  const std::wstring title = L"ModulixTest-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring vendor = std::wstring(roaming) + L"\\Tervane";
  const bool vendorExisted = WideDirectoryExists(vendor);
  const std::wstring folder = GetUserDataFolder(kProgram, title, L"");
  EXPECT_EQ(folder, kProgramFolder);  // the explicit empty folder is not the shell's
  EXPECT_EQ(GetUserDataFolder(kProgram, title), vendor + L"\\" + title + L"\\");
  EXPECT_TRUE(WideDirectoryExists(vendor + L"\\" + title));
  RemoveTree(vendor + L"\\" + title);
  if (!vendorExisted) RemoveTree(vendor);
}
