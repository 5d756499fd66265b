#include "support/run_log/run_log_os.h"

RunLogOs PlatformRunLogOs() {
  return RunLogOs{PlatformLocalNow, PlatformTimeSeparator, PlatformFileReplaceOps()};
}

RunLogOs& CurrentRunLogOs() {
  static RunLogOs os = PlatformRunLogOs();
  return os;
}
