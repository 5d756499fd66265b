// Start-up removal of the temporary files that interrupted saves left in the data folder.
#include "support/files/leftover_temp_files.h"

#include <gtest/gtest.h>

#include "common/file_text.h"
#include "common/temp_folder.h"
#include "support/files/file_replace.h"

TEST(LeftoverTempFiles, OnlyTheWritersNamesForTheGivenTargetsMatch) {
  const NativePath log = NativeText("Modulix.log");
  for (const char* ours : {"Modulix.log.1f2c-18a3b4c5d6e7f809.tmp", "Modulix.log.0-0.tmp"})
    EXPECT_TRUE(IsTempNameOf(NativeText(ours), log)) << ours;
  for (const char* other : {"Modulix.log", "Modulix.log.tmp", "Modulix.log.1f2c.tmp", "Modulix.log.1f2c-.tmp",
                            "Modulix.log.1F2C-1.tmp", "Modulix.log.1f2c-1.tmp.bak", "Other.log.1f2c-1.tmp",
                            "xModulix.log.1f2c-1.tmp", "Modulix.log.1f2c-1x.tmp"})
    EXPECT_FALSE(IsTempNameOf(NativeText(other), log)) << other;
  EXPECT_TRUE(IsTempNameOf(UniqueTempPathBeside(log), log));
}

TEST(LeftoverTempFiles, OldLeftoversGoAndEverythingElseStays) {
  TempFolder folder;
  const auto old = std::filesystem::file_time_type::clock::now() - kLeftoverTempAge * 2;
  for (const char* name : {"Modulix.log", "Modulix.log.1f2c-3.tmp", "modulix.ini.a-b.tmp", "modulix.ini.a-c.tmp",
                           "notes.txt.a-b.tmp"}) {
    WriteFileText(folder.File(name), "x");
    if (name != std::string("modulix.ini.a-c.tmp")) std::filesystem::last_write_time(folder.File(name), old);
  }  // a-c is new: another running copy may be saving right now
  std::filesystem::create_directory(folder.File("Modulix.log.1-2.tmp"));
  EXPECT_EQ(RemoveLeftoverTempFiles(folder.Path().native(), {NativeText("Modulix.log"), NativeText("modulix.ini")}), 2);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Modulix.log", "Modulix.log.1-2.tmp", "modulix.ini.a-c.tmp",
                                             "notes.txt.a-b.tmp"}));
  EXPECT_EQ(RemoveLeftoverTempFiles(folder.File("missing").native(), {NativeText("x")}), 0);
}
