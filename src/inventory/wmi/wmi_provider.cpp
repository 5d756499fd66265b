#include "inventory/wmi/wmi_provider.h"

#include <cstdlib>
#include <mutex>

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/wmi/platform_wmi_provider.h"

namespace {

constexpr const char* kFixtureVariable = "MODULIX_WMI_FIXTURE";

std::mutex& ProviderLock() {
  static std::mutex lock;
  return lock;
}

std::shared_ptr<WmiProvider>& ChosenProvider() {
  static std::shared_ptr<WmiProvider> provider;
  return provider;
}

}  // namespace

std::shared_ptr<WmiProvider> DefaultWmiProvider(WmiText text) {
  {
    std::lock_guard<std::mutex> guard(ProviderLock());
    if (ChosenProvider()) return ChosenProvider();
  }
  const char* fixture = std::getenv(kFixtureVariable);
  if (fixture && *fixture) return MakeJsonFixtureProvider(fixture);
  return MakePlatformWmiProvider(text);
}

void SetDefaultWmiProvider(std::shared_ptr<WmiProvider> provider) {
  std::lock_guard<std::mutex> guard(ProviderLock());
  ChosenProvider() = std::move(provider);
}
