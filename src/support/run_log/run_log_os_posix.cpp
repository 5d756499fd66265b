#include <ctime>
#include <string>

#include "support/run_log/run_log_os.h"

RunLogTime PlatformLocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return RunLogTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string PlatformTimeSeparator() { return ":"; }
