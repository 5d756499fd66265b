#include "support/files/shell_open.h"

#include <utility>

namespace {
ShellOpenHook& Hook() {
  static ShellOpenHook hook;
  return hook;
}

ShellFailureLog& FailureLog() {
  static ShellFailureLog log;
  return log;
}

void NoteFailure(const std::string& target, const std::string& reason) {
  if (FailureLog()) FailureLog()("Could not open " + target + ": " + reason);
}

// A hook answers yes or no, without a reason.
bool HookAnswer(const std::string& target, const ShellRequest& request) {
  const bool opened = Hook()(request);
  if (!opened) NoteFailure(target, "refused");
  return opened;
}

bool PlatformAnswer(const std::string& target, uint32_t error) {
  if (error != 0) NoteFailure(target, PlatformShellErrorText(error));
  return error == 0;
}
}  // namespace

void SetShellOpenHook(ShellOpenHook hook) { Hook() = std::move(hook); }

void SetShellFailureLog(ShellFailureLog log) { FailureLog() = std::move(log); }

bool ShellOpen(const std::string& target) {
  if (Hook()) return HookAnswer(target, ShellRequest{target, nullptr, true, {}});
  return PlatformAnswer(target, PlatformShellOpen(target));
}

bool ShellOpenPath(const NativePath& path) {
  if (Hook()) return HookAnswer(PlatformPathText(path), ShellRequest{{}, nullptr, true, path});
  return PlatformAnswer(PlatformPathText(path), PlatformShellOpenPath(path));
}

bool ShellExecuteOpen(void* parentWindow, const std::string& target) {
  if (Hook()) return HookAnswer(target, ShellRequest{target, parentWindow, false, {}});
  return PlatformAnswer(target, PlatformShellExecute(parentWindow, target));
}
