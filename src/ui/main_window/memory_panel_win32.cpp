#include "ui/main_window/memory_panel_win32.h"

#include <string>
#include <system_error>
#include <utility>

#include "window_model/format_byte_size.h"

namespace {
constexpr DWORD kMemoryStatusLength = 64;
static_assert(sizeof(MEMORYSTATUSEX) == kMemoryStatusLength);

MemoryStatusQuery& Query() {
  static MemoryStatusQuery query;
  return query;
}

BOOL QueryMemoryStatus(MEMORYSTATUSEX& status) {
  if (Query()) return Query()(status);
  return GlobalMemoryStatusEx(&status);
}

void SetLabel(HWND label, const std::string& text) { SetWindowTextA(label, text.c_str()); }
}  // namespace

void SetMemoryStatusQuery(MemoryStatusQuery query) { Query() = std::move(query); }

void UpdateMemoryPanel(HWND phyused_lbl, HWND phytot_lbl, TSimScope& scope) {
  MEMORYSTATUSEX status{};
  status.dwLength = kMemoryStatusLength;
  if (!QueryMemoryStatus(status)) {
    const DWORD error = GetLastError();
    throw std::system_error(static_cast<int>(error), std::system_category(), "GlobalMemoryStatusEx");
  }
  scope.Lines().Items(0).SetPosition(static_cast<std::int32_t>(status.dwMemoryLoad));
  scope.Advance();
  const auto total = static_cast<std::int64_t>(status.ullTotalPhys);
  const auto used = static_cast<std::int64_t>(status.ullTotalPhys - status.ullAvailPhys);
  SetLabel(phyused_lbl, "Used : " + FormatByteSize(used));
  SetLabel(phytot_lbl, "Total : " + FormatByteSize(total));
}
