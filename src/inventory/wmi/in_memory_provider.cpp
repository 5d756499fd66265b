#include "inventory/wmi/in_memory_provider.h"

#include "inventory/wmi/text_number.h"

namespace {

constexpr std::string_view kQueryPrefix = "SELECT * FROM ";
constexpr std::string_view kNameSpace = "root\\CIMV2";

using SharedTable = std::shared_ptr<const WmiClassTable>;

const std::vector<WmiInstanceData>* FindClass(const WmiClassTable& table, std::string_view name) {
  for (const auto& [className, instances] : table.classes) {
    if (SameTextAscii(className, name)) return &instances;
  }
  return nullptr;
}

bool IsLocalServer(const std::string& server) {
  return server.empty() || server == "." || SameTextAscii(server, "localhost");
}

bool IsKnownNameSpace(std::string nameSpace) {
  for (char& c : nameSpace) {
    if (c == '/') c = '\\';
  }
  return SameTextAscii(nameSpace, kNameSpace);
}

class TablePropertySet : public WmiPropertySet {
 public:
  TablePropertySet(SharedTable table, const WmiInstanceData& data)
      : table_(std::move(table)), data_(data) {}

  std::vector<std::string> Names() override {
    std::vector<std::string> names;
    names.reserve(data_.size());
    for (const auto& property : data_) names.push_back(property.first);
    return names;
  }

  // Callers ask for the properties in their enumeration order, so the search starts after the
  // last one found and usually hits at once.
  PropertyValue Value(const std::string& name) override {
    const size_t count = data_.size();
    size_t at = next_ < count ? next_ : 0;
    for (size_t step = 0; step < count; ++step, at = at + 1 < count ? at + 1 : 0) {
      if (data_[at].first.size() == name.size() && SameTextAscii(data_[at].first, name)) {
        next_ = at + 1;
        return data_[at].second;
      }
    }
    throw WmiError("Not found: property " + name);
  }

 private:
  SharedTable table_;  // keeps data_ alive
  const WmiInstanceData& data_;
  size_t next_ = 0;
};

class TableInstance : public WmiInstance {
 public:
  TableInstance(SharedTable table, const WmiInstanceData& data)
      : table_(std::move(table)), data_(data) {}
  std::unique_ptr<WmiPropertySet> Properties() override {
    return std::make_unique<TablePropertySet>(table_, data_);
  }

 private:
  SharedTable table_;
  const WmiInstanceData& data_;
};

class TableClassDefinition : public WmiObject {
 public:
  explicit TableClassDefinition(std::string name) : name_(std::move(name)) {}

 private:
  std::string name_;
};

class TableEnumerator : public WmiEnumerator {
 public:
  TableEnumerator(SharedTable table, const std::vector<WmiInstanceData>& instances)
      : table_(std::move(table)), instances_(instances) {}

  bool Next(std::shared_ptr<WmiInstance>& item) override {
    if (next_ >= instances_.size()) return false;
    item = std::make_shared<TableInstance>(table_, instances_[next_++]);
    return true;
  }

 private:
  SharedTable table_;
  const std::vector<WmiInstanceData>& instances_;
  size_t next_ = 0;
};

class TableServices : public WmiServices {
 public:
  explicit TableServices(SharedTable table) : table_(std::move(table)) {}

  std::unique_ptr<WmiEnumerator> ExecQuery(const std::string& query, const std::string& language,
                                           int32_t) override {
    if (!SameTextAscii(language, "WQL")) throw WmiError("Invalid query language " + language);
    std::string_view text = TrimBlanks(query);
    if (text.size() <= kQueryPrefix.size() ||
        !SameTextAscii(text.substr(0, kQueryPrefix.size()), kQueryPrefix)) {
      throw WmiError("Invalid query: " + query);
    }
    return std::make_unique<TableEnumerator>(table_, Instances(text.substr(kQueryPrefix.size())));
  }

  std::shared_ptr<WmiObject> Get(const std::string& className) override {
    Instances(className);
    return std::make_shared<TableClassDefinition>(className);
  }

 private:
  const std::vector<WmiInstanceData>& Instances(std::string_view className) const {
    const std::vector<WmiInstanceData>* instances = FindClass(*table_, TrimBlanks(className));
    if (!instances) throw WmiError("Invalid class: " + std::string(className));
    return *instances;
  }

  SharedTable table_;
};

class TableLocator : public WmiLocator {
 public:
  explicit TableLocator(SharedTable table) : table_(std::move(table)) {}

  std::shared_ptr<WmiServices> ConnectServer(const std::string& server,
                                             const std::string& nameSpace, const std::string&,
                                             const std::string&) override {
    if (!IsLocalServer(server)) throw WmiError("The RPC server is unavailable: " + server);
    if (!IsKnownNameSpace(nameSpace)) throw WmiError("Invalid namespace: " + nameSpace);
    return std::make_shared<TableServices>(table_);
  }

 private:
  SharedTable table_;
};

class TableProvider : public WmiProvider {
 public:
  explicit TableProvider(WmiClassTable table)
      : table_(std::make_shared<const WmiClassTable>(std::move(table))) {}
  std::shared_ptr<WmiLocator> CreateLocator() override {
    return std::make_shared<TableLocator>(table_);
  }

 private:
  SharedTable table_;
};

}  // namespace

std::shared_ptr<WmiProvider> MakeInMemoryProvider(WmiClassTable table) {
  return std::make_shared<TableProvider>(std::move(table));
}
