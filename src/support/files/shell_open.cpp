#include "support/files/shell_open.h"

#include <utility>

namespace {
ShellOpenHook& Hook() {
  static ShellOpenHook hook;
  return hook;
}
}  // namespace

void SetShellOpenHook(ShellOpenHook hook) { Hook() = std::move(hook); }

bool ShellOpen(const std::string& target) {
  if (Hook()) return Hook()(ShellRequest{target, nullptr, true, {}});
  return PlatformShellOpen(target);
}

bool ShellOpenPath(const NativePath& path) {
  if (Hook()) return Hook()(ShellRequest{{}, nullptr, true, path});
  return PlatformShellOpenPath(path);
}

bool ShellExecuteOpen(void* parentWindow, const std::string& target) {
  if (Hook()) return Hook()(ShellRequest{target, parentWindow, false, {}});
  return PlatformShellExecute(parentWindow, target);
}
