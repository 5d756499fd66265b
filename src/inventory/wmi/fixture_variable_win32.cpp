#include <cstdlib>

#include "inventory/wmi/json_fixture_provider.h"

// The wide environment: a path outside the ANSI code page survives.
std::filesystem::path FixtureFileFromEnvironment() {
  const wchar_t* value = _wgetenv(L"MODULIX_WMI_FIXTURE");
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

std::FILE* OpenFixtureFile(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }
