// Start-up removal of the temporary files that interrupted saves left in the data folder.
#include "support/files/leftover_temp_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/file_text.h"
#include "common/temp_folder.h"
#include "support/files/file_replace.h"

TEST(LeftoverTempFiles, OnlyTheWritersNamesForTheGivenTargetsMatch) {
  const NativePath log = NativeText("Modulix.log");
  const struct {
    const char* name;
    bool ours;
  } cases[] = {
      {"Modulix.log.1f2c-18a3b4c5d6e7f809.tmp", true}, {"Modulix.log.0-0.tmp", true},
      {"Modulix.log", false},                          {"Modulix.log.tmp", false},
      {"Modulix.log.1f2c.tmp", false},                 {"Modulix.log.1f2c-.tmp", false},
      {"Modulix.log.1F2C-1.tmp", false},               {"Modulix.log.1f2c-1.tmp.bak", false},
      {"Other.log.1f2c-1.tmp", false},                 {"xModulix.log.1f2c-1.tmp", false},
      {"Modulix.log.1f2c-1x.tmp", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsTempNameOf(NativeText(c.name), log), c.ours) << c.name;
  const NativePath written = UniqueTempPathBeside(log);
  EXPECT_TRUE(IsTempNameOf(written, log));
}

TEST(LeftoverTempFiles, OldLeftoversGoAndEverythingElseStays) {
  TempFolder folder;
  const auto old = std::filesystem::file_time_type::clock::now() - kLeftoverTempAge * 2;
  auto make = [&](const char* name, bool isOld) {
    WriteFileText(folder.File(name), "x");
    if (isOld) std::filesystem::last_write_time(folder.File(name), old);
  };
  make("Modulix.log", true);
  make("modulix.ini", true);
  make("Modulix.log.1f2c-3.tmp", true);
  make("modulix.ini.a-b.tmp", true);
  make("modulix.ini.a-c.tmp", false);  // another running copy may be saving right now
  make("notes.txt.a-b.tmp", true);
  std::filesystem::create_directory(folder.File("Modulix.log.1-2.tmp"));
  const int removed = RemoveLeftoverTempFiles(folder.Path().native(),
                                              {NativeText("Modulix.log"), NativeText("modulix.ini")});
  EXPECT_EQ(removed, 2);
  std::vector<std::string> names = folder.Names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Modulix.log", "Modulix.log.1-2.tmp", "modulix.ini",
                                             "modulix.ini.a-c.tmp", "notes.txt.a-b.tmp"}));
  EXPECT_EQ(RemoveLeftoverTempFiles(folder.File("missing").native(), {NativeText("x")}), 0);
}
