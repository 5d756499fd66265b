#pragma once
// What the benchmark process holds, in bytes: resident pages and heap blocks in use.
#include <cstdint>

std::int64_t ResidentBytes();
std::int64_t HeapBytesInUse();
