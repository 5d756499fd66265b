#include "ui/report_save_win32.h"

#include <commdlg.h>

#include <utility>

namespace {

// Type names and patterns in pairs, ending with an empty pair, as the dialog wants them.
constexpr wchar_t kFilters[] = L"Text report (*.txt)\0*.txt\0JSON report (*.json)\0*.json\0";
constexpr wchar_t kDefaultName[] = L"Memory report";
constexpr DWORD kPathCapacity = 32768;  // room for long (\\?\) paths

ReportSaveChooser& Chooser() {
  static ReportSaveChooser chooser;
  return chooser;
}

}  // namespace

void SetReportSaveChooser(ReportSaveChooser chooser) { Chooser() = std::move(chooser); }

std::optional<TReportSaveChoice> ChooseReportFile(HWND owner) {
  if (Chooser()) return Chooser()(owner);
  std::wstring path(kPathCapacity, L'\0');
  path.replace(0, std::size(kDefaultName) - 1, kDefaultName);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilters;
  dialog.nFilterIndex = static_cast<DWORD>(TReportFileType::Text);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathCapacity;
  dialog.lpstrDefExt = L"txt";  // follows the chosen type in the dialog
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 OFN_EXPLORER;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  const auto type = dialog.nFilterIndex == static_cast<DWORD>(TReportFileType::Json)
                        ? TReportFileType::Json
                        : TReportFileType::Text;
  return TReportSaveChoice{std::move(path), type};
}
