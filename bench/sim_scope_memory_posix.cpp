#include "sim_scope_memory_posix.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

std::int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t totalPages = 0, residentPages = 0;
  statm >> totalPages >> residentPages;
  return residentPages * sysconf(_SC_PAGESIZE);
}

std::int64_t HeapBytesInUse() { return static_cast<std::int64_t>(mallinfo2().uordblks); }
