#include "support/files/shell_open.h"

// Nothing on this side opens pages or programs: the command-line report only prints.
bool PlatformShellOpen(const std::string&) { return false; }
bool PlatformShellOpenPath(const NativePath&) { return false; }
bool PlatformShellExecute(void*, const std::string&) { return false; }
