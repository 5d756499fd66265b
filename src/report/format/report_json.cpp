#include "report/format/report_json.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "report/report_facts.h"
#include "report/format/report_json_writer.h"
#include "report/format/report_text.h"
#include "inventory/wmi/converters.h"

namespace {

// The report is written straight into its text, without a document tree first: the command
// runs on many machines and the tree cost more than everything else it does.

// Raw properties holding numbers; WMI delivers 64-bit ones as decimal text.
bool IsNumericProperty(const std::string& name) {
  return name == "Capacity" || name == "MemoryType" || name == "SMBIOSMemoryType" ||
         name == "Speed" || name == "ConfiguredClockSpeed" || name == "FormFactor";
}

// Firmware texts are nearly always ASCII, which is UTF-8 already: those are written uncopied.
void Utf8String(JsonWriter& w, std::string_view bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  ascii ? w.String(bytes) : w.String(ToUtf8(bytes));
}

void TextOrNull(JsonWriter& w, const std::string& bytes) {
  bytes.empty() ? w.Null() : Utf8String(w, bytes);
}

void RawValue(JsonWriter& w, const std::string& name, const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty()) return w.Null();
  if (v.Kind() == ValueKind::Boolean) return w.Bool(v.AsBoolean());
  if (v.Kind() == ValueKind::Real) return w.Real(v.AsReal());
  if (IsNumericProperty(name) || v.Kind() == ValueKind::Int32 || v.Kind() == ValueKind::Int64) {
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

void Module(JsonWriter& w, const ModuleReport& m) {
  w.BeginObject();
  w.Key("index");
  w.Int(m.index);
  w.Key("panel");
  w.BeginObject();
  for (const auto& [label, value] : m.panel) {
    w.Key(label);
    Utf8String(w, value);
  }
  w.EndObject();
  w.Key("raw");
  w.BeginObject();
  for (const auto& [name, value] : m.raw) {
    w.Key(name);
    RawValue(w, name, value);
  }
  w.EndObject();
  w.Key("extra");
  w.BeginObject();
  w.Key("exactCapacity");
  m.capacityBytes ? w.String(ExactSizeText(*m.capacityBytes)) : w.Null();
  w.Key("configuredSpeedMTs");
  w.IntOrNull(m.configuredSpeed);
  w.Key("formFactor");
  m.formFactor.empty() ? w.Null() : w.String(m.formFactor);
  w.Key("dataWidth");
  w.IntOrNull(m.dataWidth);
  w.Key("totalWidth");
  w.IntOrNull(m.totalWidth);
  w.Key("ecc");
  w.Bool(m.dataWidth && m.totalWidth && *m.totalWidth > *m.dataWidth);
  w.Key("voltageMillivolts");
  w.IntOrNull(m.voltageMillivolts);
  w.Key("soldered");
  w.Bool(m.soldered);
  w.EndObject();
  w.EndObject();
}

void Upgrade(JsonWriter& w, const UpgradeSummary& u) {
  w.BeginObject();
  w.Key("soldered");
  w.Bool(u.soldered);
  w.Key("freeSlots");
  w.UInt(u.freeSlots);
  w.Key("addableBytes");
  w.IntOrNull(u.addableBytes);
  w.Key("perFreeSlotBytes");
  w.IntOrNull(u.perFreeSlotBytes);
  w.Key("type");
  TextOrNull(w, u.type);
  w.Key("formFactor");
  u.formFactor.empty() ? w.Null() : w.String(u.formFactor);
  w.Key("minimumSpeedMTs");
  w.IntOrNull(u.speed);
  w.EndObject();
}

// Two channel names can read the same once made UTF-8 (a Latin-1 byte and its UTF-8 form):
// one member then, where the first stood, holding the last one's modules.
std::vector<std::pair<std::string, const std::vector<int>*>> ChannelMembers(
    const std::map<std::string, std::vector<int>>& channels) {
  std::vector<std::pair<std::string, const std::vector<int>*>> members;
  for (const auto& [name, modules] : channels) {
    std::string key = ToUtf8(name);
    auto same = std::find_if(members.begin(), members.end(), [&](const auto& m) { return m.first == key; });
    if (same != members.end()) {
      same->second = &modules;
    } else {
      members.emplace_back(std::move(key), &modules);
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
  w.EndObject();
  w.Key("channels");
  Channels(w, in.channels);
  w.Key("differ");
  w.BeginArray();
  for (const std::string& what : in.differ) w.String(what);
  w.EndArray();
  w.Key("ecc");
  in.ecc ? w.Bool(*in.ecc) : w.Null();
  w.EndObject();
}

void EmptySlots(JsonWriter& w, const std::optional<std::vector<std::string>>& names) {
  if (!names) return w.Null();
  w.BeginArray();
  for (const std::string& name : *names) Utf8String(w, name);
  w.EndArray();
}

// Enough for a 16-slot server without growing the string on the way.
constexpr size_t kBytesPerModule = 1024;
constexpr size_t kBytesBesideModules = 2048;

}  // namespace

std::string FormatJsonReport(const MemoryReport& r) {
  std::string out;
  out.reserve(kBytesBesideModules + kBytesPerModule * r.modules.size());
  JsonWriter w(out);
  w.BeginObject();
  w.Key("source");
  w.String(r.source);
  w.Key("slots");
  w.UInt(r.slots);
  w.Key("maximumMemoryGB");
  w.UInt(r.maximumGB);
  w.Key("currentMemoryGB");
  w.Int(r.currentGB);
  w.Key("installedBytes");
  w.Int(r.installedBytes);
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
