#include "ui/shared/work_area_win32.h"

ScreenRect WorkAreaNear(const RECT& rect) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);  // the primary monitor's
  }
  const RECT& work = monitor.rcWork;
  return {work.left, work.top, work.right, work.bottom};
}
