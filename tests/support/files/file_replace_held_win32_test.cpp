// A target that another program holds open on Windows: the move waits for it, a read-only
// target is not waited for.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/files/file_replace.h"

namespace {
std::string Content(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(FileReplaceHeldTarget, WaitsForAHolderThatLetsGoAndNotForAReadOnlyFile) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("modulix-held-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path target = folder / "Modulix.log";
  ASSERT_EQ(ReplaceFileContent(target.native(), "old"), 0u);

  // A scanner's handle without FILE_SHARE_DELETE: the target cannot be replaced while it is open.
  HANDLE holder = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  FileReplaceOps ops = PlatformFileReplaceOps();
  int pauses = 0;
  ops.wait = [&](std::chrono::milliseconds) {
    if (++pauses == 1) CloseHandle(holder);  // the scanner is done
  };
  EXPECT_EQ(ReplaceFileContent(target.native(), "new", ops), 0u);
  EXPECT_EQ(pauses, 1);
  EXPECT_EQ(Content(target), "new");

  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  pauses = 0;
  EXPECT_EQ(ReplaceFileContent(target.native(), "newer", ops), static_cast<uint32_t>(ERROR_FILE_READ_ONLY));
  EXPECT_EQ(pauses, 0);
  EXPECT_EQ(Content(target), "new");
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}
