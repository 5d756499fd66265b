#pragma once
// Temporary files that an interrupted save (a crash, a power cut) left beside the run log or the
// links file. Only the names ReplaceFileContent makes are touched, and only once they have sat
// for a while, so a save of another running copy of the program is not cut short.
#include <chrono>
#include <vector>

#include "support/files/native_path.h"

inline constexpr std::chrono::minutes kLeftoverTempAge{10};

// Whether `name` (a file name, no folder) is "<target>.<hex>-<hex>.tmp" for that target name.
bool IsTempNameOf(const NativePath& name, const NativePath& target);

// Removes, in `folder`, the temporary files of the given target names that were last written
// more than kLeftoverTempAge ago. Errors (a folder that is missing, a file in use) are ignored.
// Returns how many were removed.
int RemoveLeftoverTempFiles(const NativePath& folder, const std::vector<NativePath>& targets);
