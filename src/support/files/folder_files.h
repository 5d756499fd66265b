#pragma once
// The regular files of one folder, through the system's own calls (the program keeps the C++
// file-system library out: it is large for what the start-up needs).
#include <chrono>
#include <vector>

#include "support/files/native_path.h"

struct FolderFile {
  NativePath name;  // no folder
  bool older;       // last written longer ago than the age asked about
};

// The regular files of `folder`; none when it cannot be read.
std::vector<FolderFile> RegularFilesIn(const NativePath& folder, std::chrono::seconds age);
// Removes `name` from `folder`; false when it could not be removed.
bool RemoveFolderFile(const NativePath& folder, const NativePath& name);
