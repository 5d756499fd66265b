#include <windows.h>

#include "support/proxy_auth/ntlm_text.h"

std::u16string AnsiToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), size);
  return std::u16string(wide.begin(), wide.end());
}

std::u16string UpperCaseUtf16(std::u16string text) {
  std::wstring wide(text.begin(), text.end());
  if (!wide.empty()) CharUpperBuffW(wide.data(), DWORD(wide.size()));
  return std::u16string(wide.begin(), wide.end());
}
