#include <cstdlib>

#include "inventory/wmi/json_fixture_provider.h"

NativePath FixtureFileFromEnvironment() {
  const char* value = std::getenv("MODULIX_WMI_FIXTURE");
  return value ? NativePath(value) : NativePath();
}

std::FILE* OpenFixtureFile(const NativePath& path) { return std::fopen(path.c_str(), "rb"); }

std::string FixtureFileName(const NativePath& path) { return path; }
