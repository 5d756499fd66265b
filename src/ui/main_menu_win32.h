#pragma once
#include <windows.h>

// "&File" with Quit, "&?" with Open log file and About; shortcuts Ctrl+Q, Ctrl+L, Ctrl+B.
HMENU CreateMainMenu();
HACCEL CreateMainAccelerators();
