#include "ui/report_window/report_clipboard_win32.h"

#include <cstring>

#include "support/system/system_info_error.h"

namespace {

class TClipboardSession {
 public:
  explicit TClipboardSession(HWND owner) {
    if (!OpenClipboard(owner)) RaiseLastOSError();
  }
  ~TClipboardSession() { CloseClipboard(); }
  TClipboardSession(const TClipboardSession&) = delete;
  TClipboardSession& operator=(const TClipboardSession&) = delete;
};

// Global memory that is freed unless the clipboard took it.
class TGlobalText {
 public:
  explicit TGlobalText(const std::string& text)
      : FMemory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (!FMemory) RaiseLastOSError();
    void* bytes = GlobalLock(FMemory);
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(FMemory);
  }
  ~TGlobalText() {
    if (FMemory) GlobalFree(FMemory);
  }
  TGlobalText(const TGlobalText&) = delete;
  TGlobalText& operator=(const TGlobalText&) = delete;
  HGLOBAL Release() {
    HGLOBAL memory = FMemory;
    FMemory = nullptr;
    return memory;
  }
  HGLOBAL Get() const { return FMemory; }

 private:
  HGLOBAL FMemory;
};

}  // namespace

void CopyTextToClipboard(HWND owner, const std::string& text) {
  TGlobalText memory(text);
  TClipboardSession clipboard(owner);
  if (!EmptyClipboard()) RaiseLastOSError();
  if (!SetClipboardData(CF_TEXT, memory.Get())) RaiseLastOSError();
  memory.Release();  // the clipboard owns it now
}
