#include <cstdlib>

#include "inventory/wmi/json_fixture_provider.h"
#include "support/files/text_convert.h"

// The wide environment: a path outside the ANSI code page survives.
NativePath FixtureFileFromEnvironment() {
  const wchar_t* value = _wgetenv(L"MODULIX_WMI_FIXTURE");
  return value ? NativePath(value) : NativePath();
}

std::FILE* OpenFixtureFile(const NativePath& path) { return _wfopen(path.c_str(), L"rb"); }

std::string FixtureFileName(const NativePath& path) { return WideToUtf8(path); }

std::shared_ptr<WmiProvider> MakeJsonFixtureProvider(const std::string& utf8Path) {
  return MakeJsonFixtureProvider(Utf8ToWide(utf8Path));
}
