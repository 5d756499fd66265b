// MODULIX_WMI_FIXTURE naming a folder outside the ANSI code page still serves the fixture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/temp_folder.h"
#include "inventory/physical_memory.h"
#include "inventory/wmi/wmi_test_support.h"

TEST(FixtureVariable, APathOutsideTheAnsiCodePageIsReadAsUtf16) {
  const TempFolder folder(L"modulix-\u03A9\u4E2D");
  const std::filesystem::path fixture = folder.File(L"\u0416.json");
  std::filesystem::copy_file(TestDataPath("wmi_4dev_2mod.json"), fixture);
  ASSERT_EQ(_wputenv_s(L"MODULIX_WMI_FIXTURE", fixture.c_str()), 0);
  EXPECT_EQ(TWin32_PhysicalMemory(true).Count(), 2);
  _wputenv_s(L"MODULIX_WMI_FIXTURE", L"");
}

TEST(FixtureVariable, AUtf8NameOutsideTheAnsiCodePageNamesTheSameFile) {
  const TempFolder folder(L"modulix-\u03A9\u4E2D");
  const std::filesystem::path fixture = folder.File(L"\u0416.json");
  std::filesystem::copy_file(TestDataPath("wmi_4dev_2mod.json"), fixture);
  const std::string utf8 = FixtureFileName(fixture.native());
  EXPECT_NE(utf8.find("modulix-\xCE\xA9\xE4\xB8\xAD"), std::string::npos) << utf8;
  EXPECT_TRUE(utf8.ends_with("\\\xD0\x96.json")) << utf8;
  EXPECT_EQ(TWin32_PhysicalMemory(true, MakeJsonFixtureProvider(utf8)).Count(), 2);
}
