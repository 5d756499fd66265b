#include "ui/report_window/report_save_win32.h"

#include <commdlg.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace {

// Type names and patterns in pairs, ending with an empty pair, as the dialog wants them.
constexpr wchar_t kFilters[] = L"Text report (*.txt)\0*.txt\0JSON report (*.json)\0*.json\0";
constexpr wchar_t kDefaultName[] = L"Memory report";
constexpr DWORD kPathCapacity = 32768;  // room for long (\\?\) paths

// The common dialogs library is loaded at the first Save, not with the program: under Wine it
// (and the printing library it brings) adds about 10 ms to every start for a dialog most runs
// never open. It stays loaded for the rest of the run.
using SaveFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
struct LibraryFree {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using LibraryHolder = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

// From the system folder only, never from the current or the program's folder.
HMODULE LoadSystemLibrary(const wchar_t* name) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return nullptr;
  path.resize(length);
  return LoadLibraryW((path + L"\\" + name).c_str());
}

SaveFileNameFunction SaveFileNameDialog() {
  static const LibraryHolder library(LoadSystemLibrary(L"comdlg32.dll"));
  if (!library) return nullptr;
  return reinterpret_cast<SaveFileNameFunction>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "GetSaveFileNameW")));
}

ReportSaveChooser& Chooser() {
  static ReportSaveChooser chooser;
  return chooser;
}

}  // namespace

void SetReportSaveChooser(ReportSaveChooser chooser) { Chooser() = std::move(chooser); }

std::optional<TReportSaveChoice> ChooseReportFile(HWND owner) {
  if (Chooser()) return Chooser()(owner);
  const SaveFileNameFunction getSaveFileName = SaveFileNameDialog();
  if (!getSaveFileName) return std::nullopt;  // no dialog to ask with: as if cancelled
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
  if (!getSaveFileName(&dialog)) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  const auto type = dialog.nFilterIndex == static_cast<DWORD>(TReportFileType::Json)
                        ? TReportFileType::Json
                        : TReportFileType::Text;
  return TReportSaveChoice{std::move(path), type};
}
