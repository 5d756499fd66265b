#include "inventory/com_ptr_win32.h"

std::string WideToAnsi(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring out(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), size);
  return out;
}

ScopedBstr::ScopedBstr(const std::string& ansi) {
  if (ansi.empty()) return;
  const std::wstring wide = AnsiToWide(ansi);
  b_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}
