// The Drivers Update button under Wine, which runs programs as an administrator: a Velmet path
// from HKCU is started only from the Program Files folders, and what the shell refuses is logged.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/files/file_utils.h"
#include "support/files/shell_open.h"
#include "support/files/site_url.h"
#include "support/run_log/run_log.h"
#include "support/system/registry.h"
#include "support/system/system_info.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/shared/win32_test_support.h"

namespace {

std::filesystem::path MakeProgram(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Velmet.exe", std::ios::binary) << "MZ";
  return folder / "Velmet.exe";
}

bool HasLineContaining(const TRunLog& log, const std::string& text) {
  for (const std::string& line : log.Lines())
    if (line.find(text) != std::string::npos) return true;
  return false;
}

class DriversButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string suffix = "ModulixTest-" + std::to_string(GetCurrentProcessId());
    SetVendorKeyPath("SOFTWARE\\" + suffix);
    temp_ = std::filesystem::temp_directory_path() / suffix;
    const std::vector<std::wstring> programFiles = GetProgramFilesFolders();
    ASSERT_FALSE(programFiles.empty());
    installed_ = std::filesystem::path(programFiles[0]) / suffix;
    dlg_ = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg&) {});
    dlg_->AttachRunLog(std::make_unique<TRunLog>((temp_ / "Modulix.log").native(), false, 100));
    SetShellOpenHook([this](const ShellRequest& request) {
      opened_.push_back(request.path.empty() ? request.target
                                             : std::filesystem::path(request.path).string());
      return !refuse_;
    });
  }
  void TearDown() override {
    SetShellOpenHook(nullptr);
    delete dlg_;
    RegDeleteTreeA(HKEY_CURRENT_USER, VendorKeyPath().c_str());
    SetVendorKeyPath("");
    std::error_code ignored;
    std::filesystem::remove_all(temp_, ignored);
    std::filesystem::remove_all(installed_, ignored);
  }

  TMainDlg* dlg_ = nullptr;
  std::filesystem::path temp_, installed_;
  std::vector<std::string> opened_;
  bool refuse_ = false;
};

}  // namespace

TEST_F(DriversButtonTest, AnElevatedProcessStartsVelmetOnlyFromProgramFiles) {
  const bool elevated = RunsAsAdministrator();  // Wine: yes
  const std::string page = MakerSiteUrl() + "/quorin/drivers.php";
  const std::filesystem::path inside = MakeProgram(installed_ / "Velmet");
  const std::filesystem::path outside = MakeProgram(temp_ / "Velmet");
  struct DriversCase {
    std::filesystem::path velmet;
    std::string expected;
  };
  // The program outside, named through the Program Files folder and "..".
  const std::filesystem::path climbing =
      installed_.parent_path() / ".." / outside.relative_path();
  ASSERT_TRUE(std::filesystem::exists(climbing));
  const DriversCase cases[] = {
      {inside, inside.string()},
      {outside, elevated ? page : outside.string()},
      {climbing, elevated ? page : climbing.string()},
  };
  for (const DriversCase& c : cases) {
    SCOPED_TRACE(c.velmet.string());
    WriteVendorValue("Velmet", c.velmet.native());
    opened_.clear();
    dlg_->drivers_btnClick();
    EXPECT_EQ(opened_, std::vector<std::string>{c.expected});
  }
  EXPECT_EQ(HasLineContaining(*dlg_->FLog, "Velmet not started: " + outside.string()), elevated);
  EXPECT_FALSE(HasLineContaining(*dlg_->FLog, "Velmet not started: " + inside.string()));
}

TEST_F(DriversButtonTest, AnOpenTheShellRefusesIsWrittenToTheRunLog) {
  refuse_ = true;
  dlg_->drivers_btnClick();
  const std::string page = MakerSiteUrl() + "/quorin/drivers.php";
  ASSERT_EQ(dlg_->FLog->Lines().size(), 1u);
  EXPECT_NE(dlg_->FLog->Lines()[0].find("Error\t"), std::string::npos);
  EXPECT_NE(dlg_->FLog->Lines()[0].find("\tCould not open " + page + ": refused"), std::string::npos)
      << dlg_->FLog->Lines()[0];
}

int main(int argc, char** argv) { return RunWindowTests(argc, argv); }
