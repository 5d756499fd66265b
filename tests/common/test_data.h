#pragma once
// Files of tests/data, whose folder ctest names in MODULIX_TEST_DATA. Under Wine the same Linux
// path works: it is read on the current drive, Z:, where Wine maps the Linux root.
#include <cstdlib>
#include <string>

inline std::string TestDataPath(const std::string& name) {
  const char* root = std::getenv("MODULIX_TEST_DATA");
  return std::string(root ? root : "tests/data") + "/" + name;
}
