#include "report/format/report_json.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "report/report_facts.h"
#include "report/format/report_json_writer.h"
#include "report/format/report_text.h"
#include "inventory/wmi/converters.h"

namespace {

// The report is written straight into its text, without a document tree first: the command
// runs on many machines and the tree cost more than everything else it does.

// Firmware texts are nearly always ASCII, which is UTF-8 already: those are written uncopied.
void Utf8String(JsonWriter& w, std::string_view bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  ascii ? w.String(bytes) : w.String(ToUtf8(bytes));
}

void RawValue(JsonWriter& w, bool number, const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty()) return w.Null();
  if (v.Kind() == ValueKind::Boolean) return w.Bool(v.AsBoolean());
  if (v.Kind() == ValueKind::Real) return w.Real(v.AsReal());
  if (number || v.Kind() == ValueKind::Int32 || v.Kind() == ValueKind::Int64) {
    try {
      return w.Int(ValueToInt64(v));
    } catch (const std::exception&) {
      // not a number after all: show the text
    }
  }
  std::string text;
  try {
    text = ToUtf8(v.AsText());
  } catch (const std::exception&) {
    return w.Null();
  }
  w.String(text);
}

template <typename T>
void NumberOrNull(JsonWriter& w, const std::optional<T>& v) {
  v ? w.UInt(*v) : w.Null();
}

void OptionalText(JsonWriter& w, const std::optional<std::string>& text) {
  text ? Utf8String(w, *text) : w.Null();
}

void BoolOrNull(JsonWriter& w, std::optional<bool> v) { v ? w.Bool(*v) : w.Null(); }

void Extra(JsonWriter& w, const ModuleReport& m) {
  const ModuleRecord& r = m.record;
  w.BeginObject();
  w.Key("exactCapacity");
  r.sizeBytes ? w.String(ExactSizeText(*r.sizeBytes)) : w.Null();
  w.Key("configuredSpeedMTs");
  NumberOrNull(w, r.configuredMTs);
  w.Key("formFactor");
  m.formFactorName.empty() ? w.Null() : w.String(m.formFactorName);
  w.Key("dataWidth");
  NumberOrNull(w, m.advice.dataWidth);
  w.Key("totalWidth");
  NumberOrNull(w, m.advice.totalWidth);
  w.Key("ecc");
  w.Bool(m.advice.ecc == true);
  w.Key("voltageMillivolts");
  NumberOrNull(w, r.voltageMillivolts);
  w.Key("soldered");
  w.Bool(m.soldered);
  w.EndObject();
}

void Facts(JsonWriter& w, const ModuleReport& m) {
  const ModuleAdvice& a = m.advice;
  w.BeginObject();
  w.Key("generation");
  OptionalText(w, a.generation);
  w.Key("standardName");
  OptionalText(w, a.standardName);
  w.Key("buffering");
  OptionalText(w, a.buffering);
  w.Key("ecc");
  BoolOrNull(w, a.ecc);
  w.Key("formFactor");
  OptionalText(w, a.formFactor);
  w.Key("maker");
  OptionalText(w, a.maker);
  w.Key("partNumber");
  OptionalText(w, a.partNumber);
  w.Key("serialNumber");
  OptionalText(w, a.serialNumber);
  w.Key("sizeBytes");
  NumberOrNull(w, m.record.sizeBytes);
  w.Key("ratedMTs");
  NumberOrNull(w, m.record.ratedMTs);
  w.Key("configuredMTs");
  NumberOrNull(w, m.record.configuredMTs);
  w.Key("dataWidth");
  NumberOrNull(w, a.dataWidth);
  w.Key("totalWidth");
  NumberOrNull(w, a.totalWidth);
  w.Key("technology");
  OptionalText(w, a.technology);
  w.Key("persistent");
  w.Bool(a.persistent);
  w.EndObject();
}

void Module(JsonWriter& w, const ModuleReport& m) {
  w.BeginObject();
  w.Key("index");
  w.Int(m.record.index);
  w.Key("panel");
  w.BeginObject();
  for (const auto& [label, value] : m.panel) {
    w.Key(label);
    Utf8String(w, value);
  }
  w.EndObject();
  w.Key("raw");
  w.BeginObject();
  for (size_t i = 0; i < m.record.raw.size(); ++i) {
    w.Key(kModuleRawProperties[i].name);
    RawValue(w, kModuleRawProperties[i].number, m.record.raw[i]);
  }
  w.EndObject();
  w.Key("extra");
  Extra(w, m);
  w.Key("facts");
  Facts(w, m);
  w.EndObject();
}

void Upgrade(JsonWriter& w, const UpgradeSummary& u) {
  w.BeginObject();
  w.Key("virtual");
  w.Bool(u.isVirtual);
  w.Key("soldered");
  w.Bool(u.soldered);
  w.Key("type");
  OptionalText(w, u.type);
  w.Key("standardName");
  OptionalText(w, u.standardName);
  w.Key("buffering");
  OptionalText(w, u.buffering);
  w.Key("ecc");
  BoolOrNull(w, u.ecc);
  w.Key("formFactor");
  OptionalText(w, u.formFactor);
  w.Key("minimumSpeedMTs");
  NumberOrNull(w, u.speed);
  w.Key("installedBytes");
  w.UInt(u.installedBytes);
  w.Key("maximumBytes");
  NumberOrNull(w, u.maximumBytes);
  w.Key("freeSlots");
  NumberOrNull(w, u.freeSlots);
  w.Key("perFreeSlotBytes");
  NumberOrNull(w, u.perFreeSlotBytes);
  w.Key("addableBytes");
  NumberOrNull(w, u.addableBytes);
  w.EndObject();
}

void System(JsonWriter& w, const SystemRecord& s) {
  w.BeginObject();
  const std::pair<const char*, const std::optional<std::string>*> members[] = {
      {"manufacturer", &s.manufacturer}, {"product", &s.product},
      {"boardManufacturer", &s.boardManufacturer}, {"boardProduct", &s.boardProduct},
      {"biosVendor", &s.biosVendor}, {"biosVersion", &s.biosVersion}, {"biosDate", &s.biosDate}};
  for (const auto& [key, value] : members) {
    w.Key(key);
    OptionalText(w, *value);
  }
  w.EndObject();
}

// Two channel names can read the same once made UTF-8 (a Latin-1 byte and its UTF-8 form):
// one member then, where the first stood, holding the last one's modules.
std::vector<std::pair<std::string, const std::vector<int>*>> ChannelMembers(
    const std::map<std::string, std::vector<int>>& channels) {
  std::vector<std::pair<std::string, const std::vector<int>*>> members;
  std::unordered_map<std::string, size_t> at;  // key -> its member: no search per channel
  members.reserve(channels.size());
  for (const auto& [name, modules] : channels) {
    std::string key = ToUtf8(name);
    auto [it, added] = at.emplace(key, members.size());
    if (added) {
      members.emplace_back(std::move(key), &modules);
    } else {
      members[it->second].second = &modules;
    }
  }
  return members;
}

void Channels(JsonWriter& w, const std::optional<std::map<std::string, std::vector<int>>>& channels) {
  if (!channels) return w.Null();
  w.BeginObject();
  for (const auto& [name, modules] : ChannelMembers(*channels)) {
    w.Key(name);
    w.BeginArray();
    for (int index : *modules) w.Int(index);
    w.EndArray();
  }
  w.EndObject();
}

void Insights(JsonWriter& w, const ReportInsights& in) {
  w.BeginObject();
  w.Key("speed");
  w.BeginObject();
  w.Key("ratedMTs");
  w.IntOrNull(in.speed.ratedMTs);
  w.Key("configuredMTs");
  w.IntOrNull(in.speed.configuredMTs);
  w.Key("belowRated");
  w.Bool(in.speed.belowRated);
  w.Key("kitRatedMTs");
  w.IntOrNull(in.speed.kitRatedMTs);
  w.Key("belowKitRated");
  w.Bool(in.speed.belowKitRated);
  w.EndObject();
  w.Key("channels");
  Channels(w, in.channels);
  w.Key("differ");
  w.BeginArray();
  for (const std::string& what : in.differ) w.String(what);
  w.EndArray();
  w.Key("ecc");
  BoolOrNull(w, in.ecc);
  w.Key("moduleEcc");
  BoolOrNull(w, in.moduleEcc);
  w.EndObject();
}

void EmptySlots(JsonWriter& w, const std::optional<std::vector<std::string>>& names) {
  if (!names) return w.Null();
  w.BeginArray();
  for (const std::string& name : *names) Utf8String(w, name);
  w.EndArray();
}

// Enough for a 16-slot server without growing the string on the way.
constexpr size_t kBytesPerModule = 2048;
constexpr size_t kBytesBesideModules = 2048;

}  // namespace

std::string FormatJsonReport(const MemoryReport& r) {
  std::string out;
  out.reserve(kBytesBesideModules + kBytesPerModule * r.modules.size());
  JsonWriter w(out);
  w.BeginObject();
  w.Key("source");
  w.String(r.source);
  w.Key("system");
  System(w, r.system);
  w.Key("slots");
  NumberOrNull(w, r.slots);
  w.Key("maximumMemoryGB");
  r.upgrade.maximumBytes ? w.UInt(*r.upgrade.maximumBytes >> 30) : w.Null();
  w.Key("currentMemoryGB");
  w.UInt(r.installedBytes >> 30);
  w.Key("installedBytes");
  w.UInt(r.installedBytes);
  w.Key("labels");
  w.BeginObject();
  w.Key("slots");
  Utf8String(w, r.slotsLabel);
  w.Key("maximumMemory");
  Utf8String(w, r.maxmemLabel);
  w.Key("currentMemory");
  Utf8String(w, r.curmemLabel);
  w.EndObject();
  w.Key("modules");
  w.BeginArray();
  for (const ModuleReport& m : r.modules) Module(w, m);
  w.EndArray();
  w.Key("emptySlots");
  EmptySlots(w, r.emptySlots);
  if (r.skippedMemoryDevices != 0 || r.skippedMemoryArrays != 0) {
    w.Key("skipped");
    w.BeginObject();
    w.Key("memoryDevices");
    w.UInt(r.skippedMemoryDevices);
    w.Key("memoryArrays");
    w.UInt(r.skippedMemoryArrays);
    w.EndObject();
  }
  w.Key("upgrade");
  Upgrade(w, r.upgrade);
  w.Key("insights");
  Insights(w, r.insights);
  w.EndObject();
  out += '\n';
  return out;
}
