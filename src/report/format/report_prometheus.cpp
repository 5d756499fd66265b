#include "report/format/report_prometheus.h"

#include <set>
#include <utility>

#include "report/format/report_metric_writer.h"
#include "report/format/report_text.h"
#include "report/report_channels.h"

namespace {

void ReportHeader(MetricWriter& w, bool success, int64_t unixSeconds) {
  w.Gauge("modulix_report_success",
          "1 when the report was made from a memory inventory, 0 when the inventory was unreadable.");
  w.Sample(success ? 1 : 0);
  w.Gauge("modulix_report_timestamp_seconds", "Unix time at which the report was made.");
  w.SignedSample(unixSeconds);
}

template <typename T>
void Optional(MetricWriter& w, std::string_view name, std::string_view help,
              const std::optional<T>& value) {
  if (!value) return;
  w.Gauge(name, help);
  w.Sample(static_cast<uint64_t>(*value));
}

std::string_view Text(const std::optional<std::string>& text) {
  return text ? std::string_view(*text) : std::string_view();
}

void Machine(MetricWriter& w, const MemoryReport& r) {
  w.Gauge("modulix_report_info", "Where the inventory was read: smbios, udev, wmi or fixture.");
  w.Sample({{"source", r.source}}, 1);
  w.Gauge("modulix_machine_info", "The machine's maker, product and BIOS version.");
  w.Sample({{"manufacturer", Text(r.system.manufacturer)},
            {"product", Text(r.system.product)},
            {"bios_version", Text(r.system.biosVersion)}},
           1);
  w.Gauge("modulix_machine_virtual", "1 when the machine is virtual: its host decides its memory.");
  w.Sample(r.upgrade.isVirtual ? 1 : 0);
  Optional(w, "modulix_memory_slots", "Memory slots the firmware lists.", r.slots);
  Optional(w, "modulix_memory_maximum_bytes", "Most memory the machine takes, in bytes.",
           r.upgrade.maximumBytes);
  w.Gauge("modulix_memory_installed_bytes", "Memory installed, in bytes (the known module sizes added up).");
  w.Sample(r.installedBytes);
  w.Gauge("modulix_memory_modules", "Memory modules installed.");
  w.Sample(r.modules.size());
  Optional(w, "modulix_memory_free_slots", "Memory slots without a module.", r.upgrade.freeSlots);
  Optional(w, "modulix_memory_addable_bytes", "Memory that can still be added, in bytes.",
           r.upgrade.addableBytes);
}

// One sample per module whose value is known, labelled with its slot (and bank).
template <typename Get>
void PerModule(MetricWriter& w, const MemoryReport& r, const std::vector<SlotLabels>& slots,
               std::string_view name, std::string_view help, Get get) {
  w.Gauge(name, help);
  for (size_t i = 0; i < r.modules.size(); ++i) {
    const auto value = get(r.modules[i]);
    if (value) w.Sample({{"slot", slots[i].slot}, {"bank", slots[i].bank}}, *value);
  }
}

void Modules(MetricWriter& w, const MemoryReport& r) {
  const std::vector<SlotLabels> slots = UniqueSlotLabels(r.modules);
  PerModule(w, r, slots, "modulix_module_size_bytes", "Size of the module, in bytes.",
            [](const ModuleReport& m) { return m.record.sizeBytes; });
  PerModule(w, r, slots, "modulix_module_rated_megatransfers_per_second",
            "Speed the module is rated for, in MT/s.",
            [](const ModuleReport& m) { return m.record.ratedMTs; });
  PerModule(w, r, slots, "modulix_module_configured_megatransfers_per_second",
            "Speed the module runs at, in MT/s.",
            [](const ModuleReport& m) { return m.record.configuredMTs; });
  w.Gauge("modulix_module_info", "The module's maker, part and serial number, type and form.");
  for (size_t i = 0; i < r.modules.size(); ++i) {
    const ModuleAdvice& a = r.modules[i].advice;
    w.Sample({{"slot", slots[i].slot},
              {"bank", slots[i].bank},
              {"maker", Text(a.maker)},
              {"part_number", Text(a.partNumber)},
              {"serial_number", Text(a.serialNumber)},
              {"type", Text(a.generation)},
              {"standard_name", Text(a.standardName)},
              {"buffering", Text(a.buffering)},
              {"form_factor", Text(a.formFactor)}},
             1);
  }
}

// Empty channels are known when the source lists the empty slots and each of them names its
// channel; otherwise a channel could be empty without the report seeing it.
bool EmptyChannelsKnown(const MemoryReport& r) {
  if (!r.emptySlots) return false;
  for (size_t i = 0; i < r.emptySlots->size(); ++i) {
    const std::string bank = i < r.emptySlotBanks.size() ? r.emptySlotBanks[i] : "";
    if (!SlotChannel((*r.emptySlots)[i], bank)) return false;
  }
  return true;
}

void Insights(MetricWriter& w, const MemoryReport& r) {
  const ReportInsights& in = r.insights;
  if (in.speed.ratedMTs && in.speed.configuredMTs) {
    w.Gauge("modulix_memory_below_rated_speed", "1 when the memory runs below its modules' rated speed.");
    w.Sample(in.speed.belowRated ? 1 : 0);
  }
  if (in.speed.kitRatedMTs && in.speed.configuredMTs) {
    w.Gauge("modulix_memory_below_kit_rated_speed",
            "1 when the memory runs below the speed its part numbers state (XMP/EXPO profile off).");
    w.Sample(in.speed.belowKitRated ? 1 : 0);
  }
  if (in.channels) {
    w.Gauge("modulix_memory_channels_in_use", "Memory channels holding a module, as the slot names tell.");
    w.Sample(in.channels->size());
    if (EmptyChannelsKnown(r)) {
      w.Gauge("modulix_memory_empty_channels", "Memory channels whose slots are all empty.");
      w.Sample(in.emptyChannels.size());
    }
  }
  w.Gauge("modulix_memory_modules_differ",
          "1 when the modules differ in capacity, type, speed, maker or part number.");
  w.Sample(in.differ.empty() ? 0 : 1);
  if (in.ecc) {
    w.Gauge("modulix_memory_ecc", "1 when the memory corrects errors (ECC), as the firmware says.");
    w.Sample(*in.ecc ? 1 : 0);
  }
}

// Enough for a 16-slot server without growing the string on the way.
constexpr size_t kBytesPerModule = 640;
constexpr size_t kBytesBesideModules = 3072;

}  // namespace

std::vector<SlotLabels> UniqueSlotLabels(const std::vector<ModuleReport>& modules) {
  std::vector<SlotLabels> labels;
  labels.reserve(modules.size());
  std::set<std::pair<std::string, std::string>> used;
  for (size_t i = 0; i < modules.size(); ++i) {
    SlotLabels l{ToUtf8(modules[i].record.locator), ToUtf8(modules[i].record.bankLabel)};
    std::string position(1, '#');  // appended: GCC 12 at -O3 misreads "#" + std::string
    position += std::to_string(i + 1);
    if (l.slot.empty()) l.slot = position;
    // A firmware name can read like a made-up one ("DIMM #2"): add the position until it is new.
    while (!used.insert({l.slot, l.bank}).second) l.slot += " " + position;
    labels.push_back(std::move(l));
  }
  return labels;
}

std::string FormatPrometheusReport(const MemoryReport& report, int64_t unixSeconds) {
  std::string out;
  out.reserve(kBytesBesideModules + kBytesPerModule * report.modules.size());
  MetricWriter w(out);
  ReportHeader(w, true, unixSeconds);
  Machine(w, report);
  Modules(w, report);
  Insights(w, report);
  return out;
}

std::string FormatPrometheusFailure(int64_t unixSeconds) {
  std::string out;
  MetricWriter w(out);
  ReportHeader(w, false, unixSeconds);
  return out;
}
