#include "inventory/wmi/com_ptr_win32.h"

std::string WideToAnsi(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  return WideToAnsi(std::wstring(text, static_cast<size_t>(length)));
}

ScopedBstr::ScopedBstr(const std::string& ansi) {
  if (ansi.empty()) return;
  const std::wstring wide = AnsiToWide(ansi);
  b_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}
