#pragma once
// The run log's operating-system table, put back after each test; and the shared helpers.
#include "common/file_text.h"
#include "common/temp_folder.h"

#include "support/run_log/run_log_os.h"

// Restores every operating-system call of the run log when it goes out of scope.
class ScopedRunLogOs {
 public:
  ScopedRunLogOs() : FSaved(CurrentRunLogOs()) {}
  ~ScopedRunLogOs() { CurrentRunLogOs() = FSaved; }
  ScopedRunLogOs(const ScopedRunLogOs&) = delete;
  ScopedRunLogOs& operator=(const ScopedRunLogOs&) = delete;

 private:
  RunLogOs FSaved;
};
