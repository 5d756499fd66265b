// MODULIX_WMI_FIXTURE naming a folder outside the ANSI code page still serves the fixture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "inventory/physical_memory.h"
#include "inventory/wmi/wmi_test_support.h"

TEST(FixtureVariable, APathOutsideTheAnsiCodePageIsReadAsUtf16) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / L"modulix-\u03A9\u4E2D-fixture";
  std::filesystem::create_directories(folder);
  const std::filesystem::path fixture = folder / L"\u0416.json";
  std::filesystem::copy_file(TestDataPath("wmi_4dev_2mod.json"), fixture,
                             std::filesystem::copy_options::overwrite_existing);
  ASSERT_EQ(_wputenv_s(L"MODULIX_WMI_FIXTURE", fixture.c_str()), 0);
  TWin32_PhysicalMemory modules(true);
  EXPECT_EQ(modules.Count(), 2);
  _wputenv_s(L"MODULIX_WMI_FIXTURE", L"");
  std::filesystem::remove_all(folder);
}
