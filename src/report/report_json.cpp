#include "report/report_json.h"

#include <nlohmann/json.hpp>

#include "report/report_facts.h"
#include "report/report_text.h"
#include "inventory/wmi/converters.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr int kJsonIndent = 2;

// Raw properties holding numbers; WMI delivers 64-bit ones as decimal text.
bool IsNumericProperty(const std::string& name) {
  return name == "Capacity" || name == "MemoryType" || name == "SMBIOSMemoryType" ||
         name == "Speed" || name == "ConfiguredClockSpeed" || name == "FormFactor";
}

Json Text(const std::string& bytes) { return ToUtf8(bytes); }

template <typename T>
Json OrNull(const std::optional<T>& v) {
  return v ? Json(*v) : Json(nullptr);
}

Json RawValue(const std::string& name, const PropertyValue& v) {
  if (v.IsNull() || v.IsEmpty()) return nullptr;
  if (v.Kind() == ValueKind::Boolean) return v.AsBoolean();
  if (v.Kind() == ValueKind::Real) return v.AsReal();
  if (IsNumericProperty(name) || v.Kind() == ValueKind::Int32 || v.Kind() == ValueKind::Int64) {
    try {
      return ValueToInt64(v);
    } catch (const std::exception&) {
      // not a number after all: show the text
    }
  }
  try {
    return Text(v.AsText());
  } catch (const std::exception&) {
    return nullptr;
  }
}

Json Module(const ModuleReport& m) {
  Json panel = Json::object();
  for (const auto& [label, value] : m.panel) panel[label] = Text(value);
  Json raw = Json::object();
  for (const auto& [name, value] : m.raw) raw[name] = RawValue(name, value);
  Json extra = Json::object();
  extra["exactCapacity"] = m.capacityBytes ? Json(ExactSizeText(*m.capacityBytes)) : Json(nullptr);
  extra["configuredSpeedMTs"] = OrNull(m.configuredSpeed);
  extra["formFactor"] = m.formFactor.empty() ? Json(nullptr) : Json(m.formFactor);
  extra["dataWidth"] = OrNull(m.dataWidth);
  extra["totalWidth"] = OrNull(m.totalWidth);
  extra["ecc"] = m.dataWidth && m.totalWidth && *m.totalWidth > *m.dataWidth;
  extra["voltageMillivolts"] = OrNull(m.voltageMillivolts);
  extra["soldered"] = m.soldered;
  return Json{{"index", m.index}, {"panel", panel}, {"raw", raw}, {"extra", extra}};
}

Json Upgrade(const UpgradeSummary& u) {
  Json j = Json::object();
  j["soldered"] = u.soldered;
  j["freeSlots"] = u.freeSlots;
  j["addableBytes"] = OrNull(u.addableBytes);
  j["perFreeSlotBytes"] = OrNull(u.perFreeSlotBytes);
  j["type"] = u.type.empty() ? Json(nullptr) : Text(u.type);
  j["formFactor"] = u.formFactor.empty() ? Json(nullptr) : Json(u.formFactor);
  j["minimumSpeedMTs"] = OrNull(u.speed);
  return j;
}

Json Insights(const ReportInsights& in) {
  Json speed = Json::object();
  speed["ratedMTs"] = OrNull(in.speed.ratedMTs);
  speed["configuredMTs"] = OrNull(in.speed.configuredMTs);
  speed["belowRated"] = in.speed.belowRated;
  Json channels = nullptr;
  if (in.channels) {
    channels = Json::object();
    for (const auto& [name, modules] : *in.channels) channels[Text(name).get<std::string>()] = modules;
  }
  Json j = Json::object();
  j["speed"] = std::move(speed);
  j["channels"] = std::move(channels);
  j["differ"] = in.differ;
  j["ecc"] = OrNull(in.ecc);
  return j;
}

// The writer leaves DEL and the C1 controls (U+0080 to U+009F) as they are, which JSON allows
// but a terminal obeys: they go out escaped, so the value stays exact and the output harmless.
std::string EscapeControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  static const char kHex[] = "0123456789abcdef";
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    unsigned code = 0;
    if (b == 0x7F) {
      code = b;
    } else if (b == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
      code = static_cast<unsigned char>(text[++i]);
    } else {
      out += text[i];
      continue;
    }
    out += "\\u00";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
  }
  return out;
}

Json EmptySlots(const std::optional<std::vector<std::string>>& names) {
  if (!names) return nullptr;
  Json list = Json::array();
  for (const std::string& name : *names) list.push_back(Text(name));
  return list;
}

}  // namespace

std::string FormatJsonReport(const MemoryReport& r) {
  Json j = Json::object();
  j["source"] = r.source;
  j["slots"] = r.slots;
  j["maximumMemoryGB"] = r.maximumGB;
  j["currentMemoryGB"] = r.currentGB;
  j["installedBytes"] = r.installedBytes;
  j["labels"] = Json{{"slots", Text(r.slotsLabel)},
                     {"maximumMemory", Text(r.maxmemLabel)},
                     {"currentMemory", Text(r.curmemLabel)}};
  Json modules = Json::array();
  for (const ModuleReport& m : r.modules) modules.push_back(Module(m));
  j["modules"] = std::move(modules);
  j["emptySlots"] = EmptySlots(r.emptySlots);
  j["upgrade"] = Upgrade(r.upgrade);
  j["insights"] = Insights(r.insights);
  return EscapeControls(j.dump(kJsonIndent)) + "\n";
}
