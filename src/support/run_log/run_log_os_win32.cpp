#include <windows.h>

#include <string>

#include "support/run_log/run_log_os.h"

namespace {
constexpr int kSeparatorCapacity = 8;  // LOCALE_STIME holds at most 4 characters
constexpr char kDefaultSeparator[] = ":";
}  // namespace

RunLogTime PlatformLocalNow() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return RunLogTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string PlatformTimeSeparator() {
  char separator[kSeparatorCapacity] = {};
  const int length =
      GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, kSeparatorCapacity);
  if (length <= 1) return kDefaultSeparator;  // the count includes the terminating zero
  return std::string(separator, length - 1);
}
