// The WMI fixture file (MODULIX_WMI_FIXTURE): any bytes, JSON or not.
#include <cstddef>
#include <cstdint>
#include <string>

#include "inventory/wmi/json_fixture_provider.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    ParseWmiFixture(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const WmiError&) {
    // Not a fixture: the documented answer.
  }
  return 0;
}
