#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "file_utils_test_files_win32.h"
#include "support/files/file_utils.h"

namespace {
// Runs a block through the ANSI functions, as on a system without the wide ones.
class AnsiFunctionsOnly {
 public:
  AnsiFunctionsOnly() : saved_(WideApiAvailable) { WideApiAvailable = false; }
  ~AnsiFunctionsOnly() { WideApiAvailable = saved_; }

 private:
  bool saved_;
};

bool FoundAsLongPath(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW((L"\\\\?\\" + path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
}  // namespace

TEST(WideApi, StartUpCheckFindsTheWideFunctions) {
  WideApiAvailable = false;
  InitWideApiAvailable();
  EXPECT_TRUE(WideApiAvailable);
}

TEST(WideApi, ProgramPathIsThisTestProgram) {
  const std::wstring path = GetProgramPath();
  EXPECT_TRUE(path.ends_with(L"\\file_utils_win32_test.exe")) << path.size();
  EXPECT_TRUE(WideFileExists(path));
  EXPECT_TRUE(WideDirectoryExists(FolderOf(path).substr(0, FolderOf(path).size() - 1)));
}

TEST(FileVersionText, ReadsTheFixedFileVersionOrSaysWhyNot) {
  TempFolder temp;
  ASSERT_TRUE(MakeFile(temp / L"notes.txt", "no version resource in here"));
  // The fixed record's file version, not the product version (9.8.7.6) or the string (3.3.3.3).
  EXPECT_EQ(GetFileVersionText(GetProgramPath()), L"1.4.5.11");
  EXPECT_EQ(GetFileVersionText(temp / L"notes.txt"), L"");
  EXPECT_EQ(GetFileVersionText(temp / L"missing.exe"), L"File not found");
  EXPECT_EQ(GetFileVersionText(temp.Path()), L"File not found");  // a folder is no file
  AnsiFunctionsOnly ansi;
  EXPECT_EQ(GetFileVersionText(GetProgramPath()), L"1.4.5.11");
  EXPECT_EQ(GetFileVersionText(temp / L"notes.txt"), L"");
  EXPECT_EQ(GetFileVersionText(temp / L"missing.exe"), L"File not found");
}

TEST(FileExistsNotEmpty, OnlyAFileWithBytesCounts) {
  TempFolder temp;
  ASSERT_TRUE(MakeFile(temp / L"empty.exe", ""));
  ASSERT_TRUE(MakeFile(temp / L"Velmet.exe", "MZ"));
  EXPECT_FALSE(FileExistsNotEmpty(temp / L"empty.exe"));
  EXPECT_FALSE(FileExistsNotEmpty(temp.Path()));
  EXPECT_FALSE(FileExistsNotEmpty(temp / L"missing.exe"));
  EXPECT_FALSE(FileExistsNotEmpty(L""));
  EXPECT_TRUE(FileExistsNotEmpty(temp / L"Velmet.exe"));
  EXPECT_TRUE(FileExistsNotEmpty(GetProgramPath()));
}

TEST(FileSize64, CountsPastFourGigabytesAndIsZeroWhenMissing) {
  TempFolder temp;
  const int64_t big = (int64_t{5} << 30) + 7;
  ASSERT_TRUE(MakeFileOfSize(temp / L"big.bin", big));
  ASSERT_TRUE(MakeFile(temp / L"small.bin", std::string(1234, 'x')));
  EXPECT_EQ(GetFileSize64(temp / L"big.bin"), big);
  EXPECT_EQ(GetFileSize64(temp / L"small.bin"), 1234);
  EXPECT_EQ(GetFileSize64(temp / L"missing.bin"), 0);
  // A wildcard fails the attribute call and is answered by the search instead.
  EXPECT_EQ(GetFileSize64(temp / L"bi?.bin"), big);
}

TEST(WideApi, FindsFilesAndFoldersWithNamesOutsideTheAnsiCodePage) {
  TempFolder temp;
  const std::wstring folder = temp / L"\u30C7\u30FC\u30BF";  // Japanese "data"
  const std::wstring file = temp / L"\u03A9mega.txt";
  EXPECT_TRUE(WideCreateDirectory(folder, nullptr));
  ASSERT_TRUE(MakeFile(file, "abc"));
  EXPECT_TRUE(WideDirectoryExists(folder));
  EXPECT_FALSE(WideFileExists(folder));
  EXPECT_TRUE(WideFileExists(file));
  EXPECT_FALSE(WideDirectoryExists(file));
  EXPECT_FALSE(WideDirectoryExists(L""));
  EXPECT_FALSE(WideCreateDirectory(folder, nullptr));  // already there
  WIN32_FIND_DATAW found{};
  HANDLE search = WideFindFirstFile(temp / L"*.txt", &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::wstring(found.cFileName), L"\u03A9mega.txt");
  EXPECT_EQ(found.nFileSizeLow, 3u);
}

TEST(WideApi, AnsiFunctionsServeTheSameCallsForAnsiNames) {
  TempFolder temp;
  AnsiFunctionsOnly ansi;
  const std::wstring folder = temp / L"caf\u00E9 folder";
  EXPECT_TRUE(WideCreateDirectory(folder, nullptr));
  ASSERT_TRUE(MakeFile(folder + L"\\r\u00E9sum\u00E9.txt", "12345"));
  EXPECT_TRUE(WideDirectoryExists(folder));
  EXPECT_TRUE(WideFileExists(folder + L"\\r\u00E9sum\u00E9.txt"));
  EXPECT_FALSE(WideFileExists(folder + L"\\other.txt"));
  WIN32_FIND_DATAW found{};
  HANDLE search = WideFindFirstFile(folder + L"\\*.txt", &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::wstring(found.cFileName), L"r\u00E9sum\u00E9.txt");
  EXPECT_EQ(found.nFileSizeLow, 5u);
  EXPECT_EQ(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_NE(found.ftLastWriteTime.dwLowDateTime | found.ftLastWriteTime.dwHighDateTime, 0u);
  EXPECT_EQ(WideFindFirstFile(folder + L"\\*.none", &found), INVALID_HANDLE_VALUE);
}

TEST(WideApi, CreatesFoldersBeyondTheOldPathLimit) {
  TempFolder temp;
  std::wstring path = temp.Path();
  const std::wstring level(60, L'm');
  for (int i = 0; i < 5; ++i) {
    path += L"\\" + level;
    ASSERT_TRUE(WideCreateDirectory(path, nullptr)) << i;
  }
  EXPECT_GT(path.size(), static_cast<size_t>(MAX_PATH));
  EXPECT_TRUE(FoundAsLongPath(path));
}
