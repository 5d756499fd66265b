#include "support/files/file_replace.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
// A blocked temporary name costs one attempt; the next name is free in practice.
constexpr int kTempNameAttempts = 3;
constexpr std::string_view kTempSuffix = ".tmp";

// Seeded from the clock, so a later run that is given the same process number picks other names.
uint64_t NextSerial() {
  static std::atomic<uint64_t> serial{
      static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())};
  return serial++;
}

void AppendHex(NativePath& out, uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  char digits[16];
  int count = 0;
  do {
    digits[count++] = kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  while (count > 0) out += static_cast<NativePath::value_type>(digits[--count]);
}

uint32_t MoveIntoPlace(const NativePath& temp, const NativePath& path, const FileReplaceOps& ops) {
  uint32_t error = ops.moveOver(temp, path);
  for (int attempt = 1; attempt < kMoveAttempts && error != 0 && ops.mayPass(error); ++attempt) {
    ops.wait(kMovePause);
    error = ops.moveOver(temp, path);
  }
  return error;
}
}  // namespace

FileReplaceOps PlatformFileReplaceOps() {
  const auto sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
  return FileReplaceOps{PlatformWriteNewFile, PlatformMoveOver, PlatformRemoveFile,
                        PlatformMoveErrorMayPass, sleep};
}

NativePath UniqueTempPathBeside(const NativePath& target) {
  NativePath temp = target;
  temp += static_cast<NativePath::value_type>('.');
  AppendHex(temp, CurrentProcessNumber());
  temp += static_cast<NativePath::value_type>('-');
  AppendHex(temp, NextSerial());
  temp += NativeText(kTempSuffix);
  return temp;
}

uint32_t ReplaceFileContent(const NativePath& path, std::string_view content,
                            const FileReplaceOps& ops) {
  uint32_t error = 0;
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const NativePath temp = UniqueTempPathBeside(path);
    error = ops.writeNewFile(temp, content);
    if (error == 0) {
      error = MoveIntoPlace(temp, path, ops);
      if (error != 0) ops.removeFile(temp);
      return error;
    }
    ops.removeFile(temp);  // a partial write; a leftover in the way goes too when it can
  }
  return error;
}
