#pragma once
// Replaces a file's whole content safely: the bytes go to a new file of a unique name beside it,
// which then takes the target's place in one rename. A failure or a crash halfway leaves the
// previous complete file. Nothing is flushed to the disk: the rename alone keeps the file whole
// when the program dies, which is what the run log and the links file promise.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

#include "support/files/native_path.h"

// The file-system calls, replaceable so tests can make a chosen step fail. Each returns 0 or the
// system's error code (GetLastError on Windows, errno elsewhere).
struct FileReplaceOps {
  // Creates a file that must not exist yet and writes every byte to it.
  std::function<uint32_t(const NativePath& path, std::string_view bytes)> writeNewFile;
  // Puts `from` in the place of `to`, replacing an existing `to` in one step.
  std::function<uint32_t(const NativePath& from, const NativePath& to)> moveOver;
  std::function<void(const NativePath& path)> removeFile;
  // True for a move error that a virus scanner, the search indexer or a sync client holding
  // the new file for a moment gives: the move is tried again after a pause.
  std::function<bool(uint32_t error)> mayPass;
  std::function<void(std::chrono::milliseconds pause)> wait;
};
FileReplaceOps PlatformFileReplaceOps();

// "<target>.<process>-<serial>.tmp": a name no other save, of this run or another, uses. A name
// that is blocked (a leftover of a crashed run, a folder, a file held open) costs one attempt and
// never stops a later save; a leftover is never written to or renamed into place.
NativePath UniqueTempPathBeside(const NativePath& target);

// A scanner holds a new file for some tens of milliseconds; the save gives up after ~0.3 s.
constexpr int kMoveAttempts = 4;
constexpr std::chrono::milliseconds kMovePause{100};

// 0, or the error of the last step that failed; on failure the target is untouched and the
// temporary file removed. A move that fails with an error that may pass is tried
// kMoveAttempts times in all, kMovePause apart.
uint32_t ReplaceFileContent(const NativePath& path, std::string_view content,
                            const FileReplaceOps& ops = PlatformFileReplaceOps());

// Platform halves (file_replace_win32.cpp, file_replace_posix.cpp).
uint32_t CurrentProcessNumber();
uint32_t PlatformWriteNewFile(const NativePath& path, std::string_view bytes);
uint32_t PlatformMoveOver(const NativePath& from, const NativePath& to);
void PlatformRemoveFile(const NativePath& path);
bool PlatformMoveErrorMayPass(uint32_t error);
