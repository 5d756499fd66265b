#include <gtest/gtest.h>

#include <vector>

#include "support/files/file_utils_path.h"

TEST(LongPathForm, DriveAndNetworkPathsGetTheirPrefixes) {
  EXPECT_EQ(LongPathForm(L"C:\\Users\\ann\\AppData\\Roaming\\Tervane"),
            L"\\\\?\\C:\\Users\\ann\\AppData\\Roaming\\Tervane");
  EXPECT_EQ(LongPathForm(L"\\\\server\\share\\profiles\\Tervane"),
            L"\\\\?\\UNC\\server\\share\\profiles\\Tervane");
  EXPECT_EQ(LongPathForm(L"d:\\x"), L"\\\\?\\d:\\x");
}

TEST(LongPathForm, SlashesBecomeBackslashesBeforeThePrefixRule) {
  EXPECT_EQ(LongPathForm(L"C:/data/Tervane"), L"\\\\?\\C:\\data\\Tervane");
  EXPECT_EQ(LongPathForm(L"//server/share"), L"\\\\?\\UNC\\server\\share");
}

TEST(LongPathForm, PathsThePrefixCannotTakeStayAsTheyAre) {
  EXPECT_EQ(LongPathForm(L"\\\\?\\C:\\x"), L"\\\\?\\C:\\x");  // no second prefix
  EXPECT_EQ(LongPathForm(L"\\\\?\\UNC\\s\\x"), L"\\\\?\\UNC\\s\\x");
  EXPECT_EQ(LongPathForm(L"\\\\.\\pipe\\x"), L"\\\\.\\pipe\\x");
  EXPECT_EQ(LongPathForm(L"Tervane\\Modulix"), L"Tervane\\Modulix");
  EXPECT_EQ(LongPathForm(L"C:Tervane"), L"C:Tervane");
  EXPECT_EQ(LongPathForm(L"\\Tervane"), L"\\Tervane");
  EXPECT_EQ(LongPathForm(L""), L"");
}

TEST(FolderOf, KeepsEverythingUpToTheLastSeparator) {
  EXPECT_EQ(FolderOf(L"C:\\Program Files\\Modulix\\Modulix.exe"), L"C:\\Program Files\\Modulix\\");
  EXPECT_EQ(FolderOf(L"\\\\server\\share\\Modulix.exe"), L"\\\\server\\share\\");
  EXPECT_EQ(FolderOf(L"C:Modulix.exe"), L"C:");
  EXPECT_EQ(FolderOf(L"C:\\"), L"C:\\");
  EXPECT_EQ(FolderOf(L"Modulix.exe"), L"");
}

TEST(WithTrailingBackslash, AddsExactlyOne) {
  EXPECT_EQ(WithTrailingBackslash(L"C:\\data"), L"C:\\data\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\data\\"), L"C:\\data\\");
  EXPECT_EQ(WithTrailingBackslash(L""), L"");
}

TEST(FormatFileVersion, FourNumbersWithoutLeadingZeros) {
  EXPECT_EQ(FormatFileVersion(0x00010004, 0x0005000B), L"1.4.5.11");
  EXPECT_EQ(FormatFileVersion(0x00020000, 0x0001000F), L"2.0.1.15");
  EXPECT_EQ(FormatFileVersion(0, 0), L"0.0.0.0");
  EXPECT_EQ(FormatFileVersion(0xFFFFFFFF, 0x0100FFFE), L"65535.65535.256.65534");
}

TEST(IsInsideFolder, OnlyPathsThatStayBelowTheFolderCount) {
  const std::vector<std::wstring> programFiles = {L"C:\\Program Files", L"C:\\Program Files (x86)\\"};
  const struct {
    const wchar_t* path;
    bool inside;
  } cases[] = {
      {L"C:\\Program Files\\Tervane\\Velmet\\Velmet.exe", true},
      {L"c:/program files/Velmet..exe", true},
      {L"C:\\Program Files (x86)\\Velmet.exe", true},
      {L"C:\\Program Files", false},
      {L"C:\\Program FilesX\\Velmet.exe", false},
      {L"C:\\Program Files\\Tervane\\..\\..\\Temp\\Velmet.exe", false},
      {L"C:\\Program Files\\.. \\Temp\\Velmet.exe", false},  // the space is dropped
      {L"\\\\?\\C:\\Program Files\\Velmet.exe", false},     // another form: not trusted
      {L"C:\\PROGRA~1\\Velmet.exe", false},
      {L"C:\\Users\\ann\\AppData\\Local\\Temp\\Velmet.exe", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsInsideAnyFolder(c.path, programFiles), c.inside) << c.path;
  EXPECT_FALSE(IsInsideFolder(L"C:\\Velmet.exe", L""));  // an unknown folder holds nothing
}
