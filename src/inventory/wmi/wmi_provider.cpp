#include "inventory/wmi/wmi_provider.h"

#include <mutex>

#include "inventory/wmi/json_fixture_provider.h"
#include "inventory/wmi/platform_wmi_provider.h"

namespace {

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
  NativePath fixture = FixtureFileFromEnvironment();
  if (!fixture.empty()) return MakeJsonFixtureProvider(std::move(fixture));
  return MakePlatformWmiProvider(text);
}

std::shared_ptr<WmiProvider> ChosenWmiProvider() {
  std::lock_guard<std::mutex> guard(ProviderLock());
  return ChosenProvider();
}

void SetDefaultWmiProvider(std::shared_ptr<WmiProvider> provider) {
  std::lock_guard<std::mutex> guard(ProviderLock());
  ChosenProvider() = std::move(provider);
}
