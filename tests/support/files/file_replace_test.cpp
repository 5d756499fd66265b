// Replacing a file through a uniquely named temporary file beside it.
#include "support/files/file_replace.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

class FileReplaceTest : public ::testing::Test {
 protected:
  FileReplaceTest() {
    static std::atomic<unsigned> counter{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("modulix-replace-" + std::to_string(std::random_device{}()) + "-" +
               std::to_string(counter++));
    std::filesystem::create_directories(folder_);
  }
  ~FileReplaceTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  NativePath Target() const { return (folder_ / "modulix.ini").native(); }
  std::string Content(const NativePath& path) const {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::filesystem::path> Names() const {
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      names.push_back(entry.path().filename());
    return names;
  }

  std::filesystem::path folder_;
};

}  // namespace

TEST_F(FileReplaceTest, EachSaveUsesItsOwnTemporaryNameBesideTheTarget) {
  std::set<NativePath> names;
  const NativePath prefix = Target() + NativeText(".");
  for (int i = 0; i < 100; ++i) {
    const NativePath temp = UniqueTempPathBeside(Target());
    EXPECT_EQ(temp.compare(0, prefix.size(), prefix), 0);  // same folder, so the rename stays on one disk
    EXPECT_EQ(temp.substr(temp.size() - 4), NativeText(".tmp"));
    names.insert(temp);
  }
  EXPECT_EQ(names.size(), 100u);
}

TEST_F(FileReplaceTest, ReplacesTheWholeContentAndLeavesNoTemporaryFile) {
  ASSERT_EQ(ReplaceFileContent(Target(), "[links]\r\nram=http://a.example/long\r\n"), 0u);
  ASSERT_EQ(ReplaceFileContent(Target(), "[links]\r\n"), 0u);
  EXPECT_EQ(Content(Target()), "[links]\r\n");
  EXPECT_EQ(Names(), std::vector<std::filesystem::path>{"modulix.ini"});
}

TEST_F(FileReplaceTest, ABlockedTemporaryNameCostsOneAttemptNotTheSave) {
  FileReplaceOps ops = PlatformFileReplaceOps();
  std::vector<NativePath> tried;
  ops.writeNewFile = [&tried](const NativePath& path, std::string_view bytes) -> uint32_t {
    tried.push_back(path);
    if (tried.size() == 1) {  // a folder of that name is in the way
      std::filesystem::create_directory(path);
      return PlatformWriteNewFile(path, bytes);
    }
    return PlatformWriteNewFile(path, bytes);
  };
  EXPECT_EQ(ReplaceFileContent(Target(), "new", ops), 0u);
  EXPECT_EQ(Content(Target()), "new");
  ASSERT_EQ(tried.size(), 2u);
  EXPECT_NE(tried[0], tried[1]);
  EXPECT_TRUE(std::filesystem::is_directory(tried[0]));  // not ours: left as it was
}

TEST_F(FileReplaceTest, ANameTakenByALeftoverIsNeverWrittenOrMovedIntoPlace) {
  // A crashed run's half-written file under the very name this save picks.
  FileReplaceOps ops = PlatformFileReplaceOps();
  int writes = 0;
  ops.writeNewFile = [&writes](const NativePath& path, std::string_view bytes) -> uint32_t {
    if (++writes == 1) std::ofstream(std::filesystem::path(path), std::ios::binary) << "half";
    return PlatformWriteNewFile(path, bytes);
  };
  EXPECT_EQ(ReplaceFileContent(Target(), "current", ops), 0u);
  EXPECT_EQ(Content(Target()), "current");
  EXPECT_EQ(writes, 2);
}

TEST_F(FileReplaceTest, AFailedMoveKeepsTheTargetAndRemovesTheTemporaryFile) {
  ASSERT_EQ(ReplaceFileContent(Target(), "old"), 0u);
  FileReplaceOps ops = PlatformFileReplaceOps();
  ops.moveOver = [](const NativePath&, const NativePath&) -> uint32_t { return 13; };
  EXPECT_EQ(ReplaceFileContent(Target(), "new", ops), 13u);
  EXPECT_EQ(Content(Target()), "old");
  EXPECT_EQ(Names(), std::vector<std::filesystem::path>{"modulix.ini"});
}

TEST_F(FileReplaceTest, AMissingFolderIsReportedAndNothingIsCreated) {
  const NativePath inMissing = (folder_ / "missing" / "modulix.ini").native();
  EXPECT_NE(ReplaceFileContent(inMissing, "x"), 0u);
  EXPECT_TRUE(Names().empty());
}

TEST_F(FileReplaceTest, AMoveThatABriefHolderBlocksIsTriedAgainAfterAPause) {
  constexpr uint32_t kHeld = 32, kOther = 13;  // an error that may pass, and one that may not
  const struct {
    std::vector<uint32_t> failures;  // what the first moves give
    uint32_t expectedError;
    int expectedMoves;
  } cases[] = {
      {{kHeld}, 0, 2},
      {std::vector<uint32_t>(kMoveAttempts - 1, kHeld), 0, kMoveAttempts},
      {std::vector<uint32_t>(kMoveAttempts, kHeld), kHeld, kMoveAttempts},
      {{kHeld, kOther}, kOther, 2},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(ReplaceFileContent(Target(), "old"), 0u);
    FileReplaceOps ops = PlatformFileReplaceOps();
    size_t moves = 0;
    std::vector<std::chrono::milliseconds> pauses;
    ops.moveOver = [&](const NativePath& from, const NativePath& to) {
      return moves++ < c.failures.size() ? c.failures[moves - 1] : PlatformMoveOver(from, to);
    };
    ops.mayPass = [](uint32_t error) { return error == kHeld; };
    ops.wait = [&pauses](std::chrono::milliseconds pause) { pauses.push_back(pause); };
    EXPECT_EQ(ReplaceFileContent(Target(), "new", ops), c.expectedError);
    EXPECT_EQ(moves, static_cast<size_t>(c.expectedMoves));
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>(c.expectedMoves - 1, kMovePause));
    EXPECT_EQ(Content(Target()), c.expectedError == 0 ? "new" : "old");
    EXPECT_EQ(Names(), std::vector<std::filesystem::path>{"modulix.ini"});
  }
}
