#include <cstdlib>

#include "inventory/wmi/json_fixture_provider.h"

std::filesystem::path FixtureFileFromEnvironment() {
  const char* value = std::getenv("MODULIX_WMI_FIXTURE");
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

std::FILE* OpenFixtureFile(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }
