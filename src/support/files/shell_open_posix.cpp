#include <cerrno>

#include "support/files/shell_open.h"

// Nothing on this side opens pages or programs: the command-line report only prints.
uint32_t PlatformShellOpen(const std::string&) { return ENOSYS; }
uint32_t PlatformShellOpenPath(const NativePath&) { return ENOSYS; }
uint32_t PlatformShellExecute(void*, const std::string&) { return ENOSYS; }
std::string PlatformShellErrorText(uint32_t) { return "no shell to open it with"; }
std::string PlatformPathText(const NativePath& path) { return path; }
