#include "ui/report_window/report_clipboard_win32.h"

#include <cstring>

#include "support/files/text_convert.h"
#include "support/system/system_info_error.h"

namespace {

void OpenClipboardWhenFree(HWND owner) {
  for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
    if (attempt == kClipboardOpenAttempts) RaiseLastOSError();
    CurrentClipboardOps().wait(kClipboardOpenPauseMs);
  }
}

class TClipboardSession {
 public:
  explicit TClipboardSession(HWND owner) { OpenClipboardWhenFree(owner); }
  ~TClipboardSession() { CloseClipboard(); }
  TClipboardSession(const TClipboardSession&) = delete;
  TClipboardSession& operator=(const TClipboardSession&) = delete;
};

// Global memory that is freed unless the clipboard took it: `size` bytes copied from `bytes`.
class TGlobalMemory {
 public:
  TGlobalMemory(const void* bytes, size_t size) : FMemory(GlobalAlloc(GMEM_MOVEABLE, size)) {
    if (!FMemory) RaiseLastOSError();
    std::memcpy(GlobalLock(FMemory), bytes, size);
    GlobalUnlock(FMemory);
  }
  ~TGlobalMemory() {
    if (FMemory) GlobalFree(FMemory);
  }
  TGlobalMemory(const TGlobalMemory&) = delete;
  TGlobalMemory& operator=(const TGlobalMemory&) = delete;
  // Hands the memory to the clipboard, which owns it once the call succeeds.
  void PutOnClipboard(UINT format) {
    if (!SetClipboardData(format, FMemory)) RaiseLastOSError();
    FMemory = nullptr;
  }

 private:
  HGLOBAL FMemory;
};

}  // namespace

ClipboardOps& CurrentClipboardOps() {
  static ClipboardOps ops{[](DWORD milliseconds) { Sleep(milliseconds); }};
  return ops;
}

void CopyTextToClipboard(HWND owner, const std::string& utf8) {
  const std::wstring wide = Utf8ToWide(utf8);
  const std::string text = WideToAnsi(wide);
  TGlobalMemory ansi(text.c_str(), text.size() + 1);
  TGlobalMemory unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  TClipboardSession clipboard(owner);
  if (!EmptyClipboard()) RaiseLastOSError();
  ansi.PutOnClipboard(CF_TEXT);
  unicode.PutOnClipboard(CF_UNICODETEXT);
}
