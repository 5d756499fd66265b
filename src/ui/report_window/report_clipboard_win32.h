#pragma once
// Puts text on the clipboard.
#include <windows.h>

#include <string>

// The whole text as CF_TEXT (the system offers it as Unicode text too). Throws OSError when the
// clipboard cannot be had (another program holds it open).
void CopyTextToClipboard(HWND owner, const std::string& text);
