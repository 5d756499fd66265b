#pragma once
// The operating-system calls of the run log, gathered in one replaceable table so tests can fix
// the clock or make a chosen write or replace fail and watch the recovery.
#include <functional>
#include <string>

#include "support/files/file_replace.h"

struct RunLogTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;  // 0 to 23
  int minute = 0;
  int second = 0;
};

struct RunLogOs {
  std::function<RunLogTime()> localNow;
  std::function<std::string()> timeSeparator;  // the user's locale's, ":" for nearly all
  FileReplaceOps files;                         // how a save replaces the file
};

RunLogOs& CurrentRunLogOs();  // what TRunLog calls; starts as PlatformRunLogOs()
RunLogOs PlatformRunLogOs();

// The platform halves (run_log_os_win32.cpp, run_log_os_posix.cpp).
RunLogTime PlatformLocalNow();
std::string PlatformTimeSeparator();
