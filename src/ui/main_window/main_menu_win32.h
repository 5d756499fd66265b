#pragma once
#include <windows.h>

// "&File" with Memory report and Quit, "&?" with Open log file and About; shortcuts Ctrl+R,
// Ctrl+Q, Ctrl+L, Ctrl+B.
HMENU CreateMainMenu();
HACCEL CreateMainAccelerators();
