// The main window's buttons that leave the program.
#include <windows.h>

#include <string>

#include "support/files/file_utils.h"
#include "support/system/registry.h"
#include "support/files/shell_open.h"
#include "support/files/site_url.h"
#include "support/files/text_convert.h"
#include "ui/app_title.h"
#include "ui/main_dlg_win32.h"
#include "ui/slot_panels_win32.h"
#include "ui/startup_texts.h"
#include "ui/web_links.h"

namespace {

constexpr int kManufacturerRow = 2;
constexpr int kModelRow = 3;
constexpr DWORD kLinkBufferSize = 2048;

// Reads the links file afresh: a download that completes later counts from the next click.
std::string ReadLink(const std::string& key) {
  const std::wstring folder = GetUserDataFolder(GetProgramPath(), kApplicationTitleW);
  const std::string file = WideToAnsi(folder) + kLinksFileName;
  std::string value(kLinkBufferSize, '\0');
  const DWORD length = GetPrivateProfileStringA("links", key.c_str(), "", value.data(),
                                                kLinkBufferSize, file.c_str());
  value.resize(length);
  return ChooseBuyMemoryLink(MakerSiteUrl(), value);
}

}  // namespace

void TMainDlg::getRAM_btnClick() { ShellExecuteOpen(Handle(), ReadLink("ram")); }

void TMainDlg::getSpecClick(int panel) {
  HWND list = lst[panel - 1];
  ShellOpen(ModuleSearchUrl(MakerSiteUrl(), ListCellText(list, kManufacturerRow, 1),
                                   ListCellText(list, kModelRow, 1)));
}

void TMainDlg::drivers_btnClick() {
  const std::string program = ReadVendorValue("Velmet");
  if (FileExistsNotEmpty(AnsiToWide(program))) {
    ShellOpen(program);
  } else {
    ShellOpen(DriversPageUrl(MakerSiteUrl()));
  }
}
