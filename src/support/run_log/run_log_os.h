#pragma once
// The operating-system calls of the run log, gathered in one replaceable table so tests can fix
// the clock or make a chosen write or replace fail and watch the recovery.
#include <functional>
#include <string>

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
  // Creates or truncates the file, writes every byte and flushes it to the disk.
  std::function<bool(const std::string& path, const std::string& bytes)> writeNewFile;
  // Puts `from` in the place of `to`, replacing an existing `to` in one step.
  std::function<bool(const std::string& from, const std::string& to)> moveOver;
  std::function<void(const std::string& path)> removeFile;
};

RunLogOs& CurrentRunLogOs();  // what TRunLog calls; starts as PlatformRunLogOs()
RunLogOs PlatformRunLogOs();

// The platform halves (run_log_os_win32.cpp, run_log_os_posix.cpp).
RunLogTime PlatformLocalNow();
std::string PlatformTimeSeparator();
bool PlatformWriteNewFile(const std::string& path, const std::string& bytes);
bool PlatformMoveOver(const std::string& from, const std::string& to);
void PlatformRemoveFile(const std::string& path);
