// The one-time start-up of the main window, in its fixed order.
#include "ui/main_window/startup_win32.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "support/download/file_grabber.h"
#include "support/files/file_utils.h"
#include "support/files/native_path.h"
#include "support/system/registry.h"
#include "support/run_log/run_log.h"
#include "support/files/site_url.h"
#include "support/system/system_info.h"
#include "support/files/text_convert.h"
#include "window_model/app_title.h"
#include "ui/main_window/banner_panel_win32.h"
#include "window_model/format_byte_size.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/program_start_win32.h"
#include "ui/shared/standard_controls_win32.h"
#include "window_model/startup_texts.h"

namespace {

constexpr int kInfo = 1;
constexpr int kLogMaxLines = 10000;

std::string FirstArgument() { return __argc > 1 ? std::string(__argv[1]) : std::string(); }

void LogSystemFacts(TRunLog& log, const std::string& program, const std::string& caption) {
  log.Add("Starting", kInfo);
  log.Add(program, kInfo);
  log.Add(caption, kInfo);
  log.Add("Windows : " + GetWindowsVersionName(), kInfo);
  log.Add("64Bits : " + BoolToYesNo(IsWindows64Bit()), kInfo);
  log.Add("Administrator : " + BoolToYesNo(RunsAsAdministrator()), kInfo);
  if (__argc > 1) log.Add(FirstArgument(), kInfo);
}

void CaptionEmptySlotButtons(TMainDlg& dlg) {
  SetCaptionForNextPaint(dlg.getRAM_btn[0], kEmptySlotCaption);
  std::string caption(GetWindowTextLengthA(dlg.getRAM_btn[0]) + 1, '\0');
  GetWindowTextA(dlg.getRAM_btn[0], caption.data(), static_cast<int>(caption.size()));
  for (int i = 1; i < 4; ++i) SetCaptionForNextPaint(dlg.getRAM_btn[i], caption.c_str());
}

}  // namespace

void RunStartupSequence(TMainDlg& dlg) {
  // Quitting while the download waits destroys the window inside it; the guard keeps the log
  // and the downloader alive until we are back here, and the steps after the download are
  // skipped.
  TMainDlg::BusyScope busy(dlg);
  // Paths stay UTF-16 down to the file functions: a profile or install folder named outside the
  // ANSI code page must still hold the log and the links file. Only the log's text is ANSI.
  const std::wstring program = GetProgramPath();
  WriteVendorValue(kApplicationTitle, program);
  const std::string caption = StartupCaption(WideToAnsi(GetFileVersionText(program)));
  SetWindowTextA(dlg.Handle(), caption.c_str());
  RepaintBannerBackground(dlg.top_pnl);
  const std::wstring folder = GetUserDataFolder(program, kApplicationTitleW);
  dlg.AttachRunLog(
      std::make_unique<TRunLog>(folder + kApplicationTitleW + L".log", false, kLogMaxLines));
  LogSystemFacts(*dlg.FLog, WideToAnsi(program), caption);
  SetStartupSizeUnitNames();
  CaptionEmptySlotButtons(dlg);
  dlg.FGrabber = std::make_unique<TFileGrabber>(dlg.FLog.get());
  dlg.FGrabber->SetMessagePump(PumpProgramMessages);
  dlg.FGrabber->Download(LinksFileUrl(MakerSiteUrl()), folder + NativeText(kLinksFileName),
                         dlg.Handle());
  if (dlg.Destroyed()) return;
  dlg.ScanSlots();
}
