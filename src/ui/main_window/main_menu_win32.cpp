#include "ui/main_window/main_menu_win32.h"

#include <iterator>

#include "ui/main_window/main_dlg_win32.h"

HMENU CreateMainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kIdReport, "Memory &report...\tCtrl+R");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kIdQuit, "&Quit\tCtrl+Q");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kIdOpenLog, "&Open log file\tCtrl+L");
  AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(help, MF_STRING, kIdAbout, "&About...\tCtrl+B");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&?");
  return bar;
}

HACCEL CreateMainAccelerators() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'Q', kIdQuit},
      {FCONTROL | FVIRTKEY, 'L', kIdOpenLog},
      {FCONTROL | FVIRTKEY, 'B', kIdAbout},
      {FCONTROL | FVIRTKEY, 'R', kIdReport},
  };
  return CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys)));
}
