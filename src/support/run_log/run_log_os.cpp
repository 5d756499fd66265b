#include "support/run_log/run_log_os.h"

RunLogOs PlatformRunLogOs() {
  return RunLogOs{PlatformLocalNow, PlatformTimeSeparator, PlatformWriteNewFile, PlatformMoveOver,
                  PlatformRemoveFile};
}

RunLogOs& CurrentRunLogOs() {
  static RunLogOs os = PlatformRunLogOs();
  return os;
}
