// Windows: the same WMI classes the window reads.
#include <windows.h>
#include <objbase.h>

#include "cli/report_source.h"

namespace {

// WMI needs COM on this thread for as long as the readers live: until the program ends.
class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool ok_;
};

}  // namespace

const char* const kFirmwareTablesRemedy =
    "leave out --smbios to read WMI, or pass --smbios FILE written by 'dmidecode --dump-bin FILE'";

LoadedInventory LoadDefaultInventory() {
  static ComApartment apartment;
  return {"wmi", DefaultWmiProvider(), std::nullopt, ""};
}
