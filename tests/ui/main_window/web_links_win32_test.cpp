// The Drivers Update button under Wine, which runs programs as an administrator: a Velmet path
// from HKCU starts only from Program Files, and what the shell refuses reaches the run log.
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

TEST(DriversButton, AnElevatedProcessStartsVelmetOnlyFromProgramFilesAndLogsWhy) {
  const std::string name = "ModulixTest-" + std::to_string(GetCurrentProcessId());
  const std::filesystem::path temp = std::filesystem::temp_directory_path() / name;
  const std::filesystem::path installed =
      std::filesystem::path(GetProgramFilesFolders().at(0)) / name;
  for (const auto& folder : {temp, installed}) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Velmet.exe", std::ios::binary) << "MZ";
  }
  SetVendorKeyPath("SOFTWARE\\" + name);
  TMainDlg* dlg = TMainDlg::Create(GetModuleHandleA(nullptr), [](TMainDlg&) {});
  dlg->AttachRunLog(std::make_unique<TRunLog>((temp / "Modulix.log").native(), false, 100));
  std::vector<std::string> opened;
  SetShellOpenHook([&](const ShellRequest& r) {
    opened.push_back(r.path.empty() ? r.target : std::filesystem::path(r.path).string());
    return !r.path.empty();  // programs start; a page finds no browser
  });
  const bool elevated = RunsAsAdministrator();  // Wine: yes
  const std::string page = MakerSiteUrl() + "/quorin/drivers.php";
  for (const auto& folder : {installed, temp}) {
    WriteVendorValue("Velmet", (folder / "Velmet.exe").native());
    dlg->drivers_btnClick();
  }
  const std::string outside = (temp / "Velmet.exe").string();
  EXPECT_EQ(opened, (std::vector<std::string>{(installed / "Velmet.exe").string(),
                                              elevated ? page : outside}));
  std::vector<std::string> messages;
  for (const std::string& line : dlg->FLog->Lines())
    messages.push_back(line.substr(line.rfind('\t') + 1));
  const std::vector<std::string> expected = {
      "Could not open " + page + ": refused",
      "Velmet not started: " + outside +
          " lies outside the Program Files folders and Modulix runs as administrator"};
  EXPECT_EQ(messages, elevated ? expected : std::vector<std::string>());
  SetShellOpenHook(nullptr);
  delete dlg;
  RegDeleteTreeA(HKEY_CURRENT_USER, VendorKeyPath().c_str());
  SetVendorKeyPath("");
  std::filesystem::remove_all(temp);
  std::filesystem::remove_all(installed);
}

int main(int argc, char** argv) { return RunWindowTests(argc, argv); }
