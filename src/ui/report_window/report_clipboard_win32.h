#pragma once
// Puts text on the clipboard.
#include <windows.h>

#include <functional>
#include <string>

// The whole UTF-8 text (the report's) as CF_UNICODETEXT and, in the ANSI code page, as CF_TEXT,
// so programs that read either get the characters we meant rather than the system's conversion
// under another locale. Throws OSError when the clipboard cannot be had.
void CopyTextToClipboard(HWND owner, const std::string& utf8);

// Clipboard history, a Remote Desktop session or a clipboard manager opens the clipboard for a
// moment after each change: OpenClipboard is tried kClipboardOpenAttempts times, a pause apart,
// before the copy fails. The pause is replaceable so tests can let a holder go in between.
constexpr int kClipboardOpenAttempts = 10;
constexpr DWORD kClipboardOpenPauseMs = 25;
struct ClipboardOps {
  std::function<void(DWORD milliseconds)> wait;
};
ClipboardOps& CurrentClipboardOps();  // starts with Sleep
