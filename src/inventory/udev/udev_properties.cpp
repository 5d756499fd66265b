#include "inventory/udev/udev_properties.h"

#include <optional>

namespace {

constexpr std::string_view kArrayPrefix = "MEMORY_ARRAY_";
constexpr std::string_view kDevicePrefix = "MEMORY_DEVICE_";
constexpr std::string_view kDatabaseProperty = "E:";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The database file tags every line with a letter and a colon ("I:", "G:", "E:..."); only the
// "E:" lines are properties. A plain property line has no such tag.
std::optional<std::string_view> PropertyText(std::string_view line) {
  if (line.size() >= 2 && line[1] == ':' && line[0] >= 'A' && line[0] <= 'Z') {
    if (!StartsWith(line, kDatabaseProperty)) return std::nullopt;
    return line.substr(kDatabaseProperty.size());
  }
  return line;
}

// "<n>_<FIELD>": the index (decimal, no sign, below the device limit) and the field.
bool SplitDeviceKey(std::string_view rest, uint32_t& index, std::string_view& field) {
  size_t digits = 0;
  uint64_t value = 0;
  while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
    value = value * 10 + static_cast<uint64_t>(rest[digits] - '0');
    if (value >= kMaxUdevDevices) return false;
    ++digits;
  }
  if (digits == 0 || digits >= rest.size() || rest[digits] != '_') return false;
  index = static_cast<uint32_t>(value);
  field = rest.substr(digits + 1);
  return !field.empty();
}

class Reader {
 public:
  void Line(std::string_view line, size_t number) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return;
    if (line.size() > kMaxUdevLineLength) return Skip(number, "longer than a udev line");
    std::optional<std::string_view> property = PropertyText(line);
    if (!property) return;
    size_t equals = property->find('=');
    if (equals == std::string_view::npos) return Skip(number, "no '='");
    Property(property->substr(0, equals), property->substr(equals + 1), number);
  }
  UdevMemoryProperties Done() && { return std::move(props_); }

 private:
  void Property(std::string_view key, std::string_view value, size_t number) {
    if (StartsWith(key, kArrayPrefix)) {
      props_.array.insert_or_assign(std::string(key.substr(kArrayPrefix.size())), value);
      return;
    }
    if (!StartsWith(key, kDevicePrefix)) return;  // the device's other properties
    uint32_t index = 0;
    std::string_view field;
    if (!SplitDeviceKey(key.substr(kDevicePrefix.size()), index, field)) {
      return Skip(number, "not a device index below " + std::to_string(kMaxUdevDevices));
    }
    // The last value wins, as in udev.
    props_.devices[index].insert_or_assign(std::string(field), value);
  }
  void Skip(size_t number, const std::string& why) {
    if (props_.skippedLines++ >= kUdevSkipsNamed) return;
    props_.skipped.push_back("line " + std::to_string(number) + ": " + why);
  }

  UdevMemoryProperties props_;
};

}  // namespace

UdevMemoryProperties ParseUdevProperties(std::string_view bytes) {
  Reader reader;
  size_t number = 1;
  while (!bytes.empty()) {
    size_t end = bytes.find('\n');
    reader.Line(bytes.substr(0, end), number++);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return std::move(reader).Done();
}
