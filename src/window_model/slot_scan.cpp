#include "window_model/slot_scan.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "decoding/manufacturer.h"
#include "decoding/memory_type.h"
#include "inventory/wmi/text_number.h"
#include "support/run_log/log_value.h"

namespace {

constexpr int kMaxCapacityShift = 20;  // kilobytes to whole gigabytes
constexpr const char* kNotAvailable = "N/A";
enum SlotRow { kSlotName, kCapacity, kManufacturer, kModel, kType, kSerial, kSlotRowCount };

int64_t WholeGigabytes(int64_t bytes) { return bytes / 1024 / 1024 / 1024; }

// Hostile fixtures can hold capacities whose sum leaves 64 bits: stop at the limit.
int64_t SaturatingAdd(int64_t a, int64_t b) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  if (b > 0 && a > kMax - b) return kMax;
  if (b < 0 && a < kMin - b) return kMin;
  return a + b;
}

// MaxCapacityEx covers maxima of 4 TB and more, which the 32-bit MaxCapacity cannot hold.
uint64_t ArrayMaximumGB(const TWin32_PhysicalMemoryArray& arrays) {
  const uint64_t kilobytes = arrays.MaxCapacityEx > 0 ? static_cast<uint64_t>(arrays.MaxCapacityEx)
                                                      : arrays.MaxCapacity;
  return kilobytes >> kMaxCapacityShift;
}

void ArrayPass(TWin32_PhysicalMemoryArray& arrays, SlotScanState& state) {
  for (int32_t i = 0; i < arrays.Count(); ++i) {
    arrays.SetCollectionIndex(i);
    state.maximumGB += ArrayMaximumGB(arrays);
    state.slots += arrays.MemoryDevices;
    state.deviceCount = arrays.MemoryDevices;
  }
  state.arraysRead = arrays.Count() >= 0;
  state.slotsLabel = "Number of slots : " + std::to_string(state.slots);
  state.maxmemLabel = "Maximum memory : " + std::to_string(state.maximumGB) + " GB";
  for (int n = 0; n < kSlotPanelCount; ++n) state.panels[n].groupEnabled = state.deviceCount > n;
  state.narrowWindow = state.deviceCount < 3;
  state.arrayPassDone = true;
}

void LogPanel(int i, const TWin32_PhysicalMemory& module, const SlotRows& rows,
              const SlotScanLog& log) {
  const std::string prefix = std::to_string(i) + "\t";
  auto line = [&](const std::string& label, const std::string& value) {
    log(prefix + label + "\t" + EscapeLogValue(value));
  };
  log("Scanning slot #" + std::to_string(i));
  line("Slot Name", module.DeviceLocator);
  line("Capacity", rows[kCapacity].second);
  line("Manufacturer", rows[kManufacturer].second + "(" + module.Manufacturer + ")");
  line("Model", module.PartNumber);
  line("Type", std::to_string(module.MemoryType));
  line("Speed", std::to_string(module.Speed));
  line("Type", rows[kType].second);
  line("Serial#", module.SerialNumber);
}

ModuleFacts Facts(int i, const TWin32_PhysicalMemory& module, SlotRows rows) {
  ModuleFacts facts;
  facts.index = i;
  facts.rows = std::move(rows);
  facts.capacity = module.Capacity;
  return facts;
}

void ModulePass(TWin32_PhysicalMemory& modules, const SlotScanLog& log, SlotScanState& state) {
  state.modules.reserve(state.modules.size() + static_cast<size_t>(std::max(modules.Count(), 0)));
  for (int32_t i = 0; i < modules.Count(); ++i) {
    modules.SetCollectionIndex(i);
    state.totalBytes = SaturatingAdd(state.totalBytes, modules.Capacity);
    SlotRows rows = PanelRows(modules);
    if (i < kSlotPanelCount) {
      if (log) LogPanel(i, modules, rows, log);
      state.panels[i].rows = rows;
    }
    state.modules.push_back(Facts(i, modules, std::move(rows)));
  }
  state.modulesRead = modules.Count() >= 0;
}

void FinishPanels(int32_t moduleCount, SlotScanState& state) {
  for (int n = 0; n < kSlotPanelCount; ++n) {
    SlotPanelState& panel = state.panels[n];
    panel.listVisible = n < moduleCount;
    panel.emptySlotButtonVisible = !panel.listVisible && panel.groupEnabled;
    panel.specButtonVisible = panel.listVisible && !panel.emptySlotButtonVisible;
    panel.specButtonEnabled = panel.specButtonVisible && CanGetSpecification(panel.rows);
  }
}

void CurrentMemory(SlotScanState& state) {
  const int64_t totalGB = WholeGigabytes(state.totalBytes);
  state.curmemLabel = "Current memory : " + std::to_string(totalGB) + " GB";
  state.maxmemVisible = totalGB < 0 || static_cast<uint64_t>(totalGB) <= state.maximumGB;
}

}  // namespace

SlotRows PanelRows(const TWin32_PhysicalMemory& module) {
  SlotRows rows(kSlotRowCount);
  const std::string maker = DecodeManufacturer(module.Manufacturer);
  const bool unknownMaker = SameTextAscii(maker, kNotAvailable);
  rows[kSlotName] = {"Slot Name", module.DeviceLocator};
  rows[kCapacity] = {"Capacity", std::to_string(WholeGigabytes(module.Capacity)) + " GB"};
  rows[kManufacturer] = {"Manufacturer", maker};
  rows[kModel] = {"Model", unknownMaker ? kNotAvailable : module.PartNumber};
  rows[kType] = {"Type", ModuleTypeText(module.MemoryType, module.Speed, module.SMBIOSMemoryType)};
  rows[kSerial] = {"Serial#", unknownMaker ? kNotAvailable : module.SerialNumber};
  return rows;
}

bool CanGetSpecification(const SlotRows& rows) {
  if (rows.size() <= kModel) return false;
  const std::string& maker = rows[kManufacturer].second;
  return maker != kNotAvailable && !TrimBlanks(maker).empty() &&
         !TrimBlanks(rows[kModel].second).empty();
}

void ComputeSlotScan(TWin32_PhysicalMemoryArray& arrays, TWin32_PhysicalMemory& modules,
                     const SlotScanLog& log, SlotScanState& state) {
  ArrayPass(arrays, state);
  ModulePass(modules, log, state);
  FinishPanels(modules.Count(), state);
  CurrentMemory(state);
  state.finished = true;
}

SlotScanState ComputeSlotScan(TWin32_PhysicalMemoryArray& arrays, TWin32_PhysicalMemory& modules,
                              const SlotScanLog& log) {
  SlotScanState state;
  ComputeSlotScan(arrays, modules, log, state);
  return state;
}
