#pragma once
// Providers for tests: fixtures from JSON text or from tests/data, and a wrapper that counts
// every call the WMI layer makes.
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "common/test_data.h"
#include "inventory/wmi/json_fixture_provider.h"

inline std::shared_ptr<WmiProvider> ProviderFromJson(const std::string& json) {
  return MakeInMemoryProvider(ParseWmiFixture(json));
}

inline std::shared_ptr<WmiProvider> ProviderFromDataFile(const std::string& name) {
  return MakeJsonFixtureProvider(TestDataPath(name));
}

// Counts, by operation name, the calls that reach the wrapped provider.
class CountingProvider : public WmiProvider {
 public:
  using Counts = std::map<std::string, int>;
  explicit CountingProvider(std::shared_ptr<WmiProvider> inner)
      : inner_(std::move(inner)), counts_(std::make_shared<Counts>()) {}
  std::shared_ptr<WmiLocator> CreateLocator() override;
  int Calls(const std::string& operation) const {
    auto it = counts_->find(operation);
    return it == counts_->end() ? 0 : it->second;
  }
  int TotalCalls() const {
    int total = 0;
    for (const auto& entry : *counts_) total += entry.second;
    return total;
  }

 private:
  std::shared_ptr<WmiProvider> inner_;
  std::shared_ptr<Counts> counts_;
};

namespace counting_detail {

using Counts = CountingProvider::Counts;

class PropertySet : public WmiPropertySet {
 public:
  PropertySet(std::unique_ptr<WmiPropertySet> inner, std::shared_ptr<Counts> counts)
      : inner_(std::move(inner)), counts_(std::move(counts)) {}
  std::vector<std::string> Names() override { ++(*counts_)["Names"]; return inner_->Names(); }
  PropertyValue Value(const std::string& name) override {
    ++(*counts_)["Value"];
    return inner_->Value(name);
  }

 private:
  std::unique_ptr<WmiPropertySet> inner_;
  std::shared_ptr<Counts> counts_;
};

class Instance : public WmiInstance {
 public:
  Instance(std::shared_ptr<WmiInstance> inner, std::shared_ptr<Counts> counts)
      : inner_(std::move(inner)), counts_(std::move(counts)) {}
  std::unique_ptr<WmiPropertySet> Properties() override {
    ++(*counts_)["Properties"];
    return std::make_unique<PropertySet>(inner_->Properties(), counts_);
  }

 private:
  std::shared_ptr<WmiInstance> inner_;
  std::shared_ptr<Counts> counts_;
};

class Enumerator : public WmiEnumerator {
 public:
  Enumerator(std::unique_ptr<WmiEnumerator> inner, std::shared_ptr<Counts> counts)
      : inner_(std::move(inner)), counts_(std::move(counts)) {}
  bool Next(std::shared_ptr<WmiInstance>& item) override {
    ++(*counts_)["Next"];
    std::shared_ptr<WmiInstance> inner;
    if (!inner_->Next(inner)) return false;
    item = std::make_shared<Instance>(std::move(inner), counts_);
    return true;
  }

 private:
  std::unique_ptr<WmiEnumerator> inner_;
  std::shared_ptr<Counts> counts_;
};

class Services : public WmiServices {
 public:
  Services(std::shared_ptr<WmiServices> inner, std::shared_ptr<Counts> counts)
      : inner_(std::move(inner)), counts_(std::move(counts)) {}
  std::unique_ptr<WmiEnumerator> ExecQuery(const std::string& query, const std::string& language,
                                           int32_t flags) override {
    ++(*counts_)["ExecQuery"];
    return std::make_unique<Enumerator>(inner_->ExecQuery(query, language, flags), counts_);
  }
  std::shared_ptr<WmiObject> Get(const std::string& className) override {
    ++(*counts_)["Get"];
    return inner_->Get(className);
  }

 private:
  std::shared_ptr<WmiServices> inner_;
  std::shared_ptr<Counts> counts_;
};

class Locator : public WmiLocator {
 public:
  Locator(std::shared_ptr<WmiLocator> inner, std::shared_ptr<Counts> counts)
      : inner_(std::move(inner)), counts_(std::move(counts)) {}
  std::shared_ptr<WmiServices> ConnectServer(const std::string& server, const std::string& ns,
                                             const std::string& user,
                                             const std::string& password) override {
    ++(*counts_)["ConnectServer"];
    return std::make_shared<Services>(inner_->ConnectServer(server, ns, user, password), counts_);
  }

 private:
  std::shared_ptr<WmiLocator> inner_;
  std::shared_ptr<Counts> counts_;
};

}  // namespace counting_detail

inline std::shared_ptr<WmiLocator> CountingProvider::CreateLocator() {
  ++(*counts_)["CreateLocator"];
  return std::make_shared<counting_detail::Locator>(inner_->CreateLocator(), counts_);
}
