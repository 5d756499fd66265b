#include "inventory/wmi/platform_wmi_provider.h"

namespace {

class NoWmiProvider : public WmiProvider {
 public:
  std::shared_ptr<WmiLocator> CreateLocator() override {
    throw WmiError("WMI is not available on this system");
  }
};

}  // namespace

std::shared_ptr<WmiProvider> MakePlatformWmiProvider(WmiText) {
  return std::make_shared<NoWmiProvider>();
}
