// The main window's buttons that leave the program.
#include <windows.h>

#include <exception>
#include <string>

#include "support/files/file_utils.h"
#include "support/files/native_path.h"
#include "support/run_log/run_log.h"
#include "support/system/registry.h"
#include "support/system/system_info.h"
#include "support/files/shell_open.h"
#include "support/files/site_url.h"
#include "support/files/text_convert.h"
#include "window_model/app_title.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/slot_panels_win32.h"
#include "window_model/startup_texts.h"
#include "window_model/web_links.h"

namespace {

constexpr int kManufacturerRow = 2;
constexpr int kModelRow = 3;
constexpr DWORD kMaxLinkLength = 2047;
// One character more than a link may have, and its NUL: a value that fills it is too long.
constexpr DWORD kLinkBufferSize = kMaxLinkLength + 2;

// Reads the links file afresh: a download that completes later counts from the next click. A
// value too long for the buffer comes back cut short, and part of an address is never opened.
std::string ReadLink(const std::string& key) {
  const std::wstring file =
      GetUserDataFolder(GetProgramPath(), kApplicationTitleW) + NativeText(kLinksFileName);
  std::wstring value(kLinkBufferSize, L'\0');
  const DWORD length = GetPrivateProfileStringW(L"links", AnsiToWide(key).c_str(), L"",
                                                value.data(), kLinkBufferSize, file.c_str());
  value.resize(length > kMaxLinkLength ? 0 : length);
  return ChooseBuyMemoryLink(MakerSiteUrl(), WideToAnsi(value));
}

constexpr int kLogInfo = 1;

// A check that cannot be made counts as elevated: the safe side.
bool RunsElevated() {
  try {
    return RunsAsAdministrator();
  } catch (const std::exception&) {
    return true;
  }
}

}  // namespace

void TMainDlg::getRAM_btnClick() { ShellExecuteOpen(Handle(), ReadLink("ram")); }

void TMainDlg::getSpecClick(int panel) {
  HWND list = lst[panel - 1];
  ShellOpen(ModuleSearchUrl(MakerSiteUrl(), ListCellText(list, kManufacturerRow, 1),
                                   ListCellText(list, kModelRow, 1)));
}

void TMainDlg::drivers_btnClick() {
  const std::wstring program = ReadVendorPath("Velmet");
  if (FileExistsNotEmpty(program) && MayStartVendorProgram(program)) {
    ShellOpenPath(program);
  } else {
    ShellOpen(DriversPageUrl(MakerSiteUrl()));
  }
}

// Any program of this user, elevated or not, may write the path in HKCU; run elevated, we would
// start it with administrator rights. So an elevated Modulix starts only what lies where only
// administrators can write, and otherwise acts as if the product were not installed.
bool TMainDlg::MayStartVendorProgram(const std::wstring& program) {
  if (!RunsElevated() || IsInsideAnyFolder(program, GetProgramFilesFolders())) return true;
  if (FLog) {
    FLog->Add("Velmet not started: " + WideToAnsi(program) +
                  " lies outside the Program Files folders and Modulix runs as administrator",
              kLogInfo);
  }
  return false;
}
