// Program entry.
#include <windows.h>

#include "ui/main_window/program_start_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  return RunProgram(instance, show);
}
