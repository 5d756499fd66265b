#include "inventory/wmi/json_fixture_provider.h"

#include <cerrno>
#include <system_error>
#include <limits>
#include <memory>

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

constexpr size_t kMaxFixtureBytes = size_t{16} << 20;  // far more than any machine's classes
constexpr size_t kFixtureReadChunk = 64 * 1024;

PropertyValue IntegerValue(int64_t v) {
  if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) {
    return PropertyValue(static_cast<int32_t>(v));
  }
  return PropertyValue(v);
}

PropertyValue JsonToValue(const Json& json, const std::string& name) {
  switch (json.type()) {
    case Json::value_t::null: return PropertyValue::Null();
    case Json::value_t::string: return PropertyValue(json.get<std::string>());
    case Json::value_t::boolean: return PropertyValue(json.get<bool>());
    case Json::value_t::number_integer: return IntegerValue(json.get<int64_t>());
    case Json::value_t::number_unsigned: {
      const uint64_t v = json.get<uint64_t>();
      if (v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        throw WmiError("Fixture value of " + name + " does not fit 64 bits");
      }
      return IntegerValue(static_cast<int64_t>(v));
    }
    case Json::value_t::number_float: return PropertyValue(json.get<double>());
    default: throw WmiError("Fixture value of " + name + " is not a text, number, Boolean or null");
  }
}

WmiInstanceData JsonToInstance(const Json& json, const std::string& className) {
  if (!json.is_object()) throw WmiError("Fixture instance of " + className + " is not an object");
  WmiInstanceData instance;
  for (const auto& [name, value] : json.items()) {
    instance.emplace_back(name, JsonToValue(value, className + "." + name));
  }
  return instance;
}

class FixtureProvider : public WmiProvider {
 public:
  explicit FixtureProvider(NativePath path) : path_(std::move(path)) {}
  std::shared_ptr<WmiLocator> CreateLocator() override {
    return MakeInMemoryProvider(ParseWmiFixture(ReadWmiFixtureFile(path_)))->CreateLocator();
  }

 private:
  NativePath path_;
};

}  // namespace

WmiClassTable ParseWmiFixture(const std::string& jsonText) {
  Json root = Json::parse(jsonText, nullptr, false);
  if (root.is_discarded()) throw WmiError("The WMI fixture is not valid JSON");
  if (!root.is_object()) throw WmiError("The WMI fixture is not a JSON object");
  WmiClassTable table;
  for (const auto& [className, instances] : root.items()) {
    if (!instances.is_array()) throw WmiError("Fixture class " + className + " is not an array");
    std::vector<WmiInstanceData>& rows = table.classes[className];
    for (const Json& instance : instances) rows.push_back(JsonToInstance(instance, className));
  }
  return table;
}

// The whole file, up to the cap: a seam for tests must not let any file the environment names
// fill the program's memory. The path is opened as it is (UTF-16 on Windows).
std::string ReadWmiFixtureFile(const NativePath& path) {
  errno = 0;
  // C files, not streams: the program keeps the streams' runtime out.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenFixtureFile(path), &std::fclose);
  if (!file) throw WmiError(errno ? std::generic_category().message(errno) : "cannot be opened");
  std::string text;
  char chunk[kFixtureReadChunk];
  while (size_t count = std::fread(chunk, 1, sizeof chunk, file.get())) {
    if (text.size() + count > kMaxFixtureBytes) throw WmiError("larger than 16 MiB");
    text.append(chunk, count);
  }
  if (std::ferror(file.get())) throw WmiError("read error");
  return text;
}

std::shared_ptr<WmiProvider> MakeJsonFixtureProvider(NativePath path) {
  return std::make_shared<FixtureProvider>(std::move(path));
}
