#pragma once
// The slot scan as a view state: what the main window shows after reading the memory arrays
// and modules (label texts, panel flags, list rows, window width), computed without a window so
// the command-line report can print the same texts.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"

constexpr int kSlotPanelCount = 4;
// Outer width of the window when fewer than three slots exist: general_grp left (2) + slot1_grp
// left (8) + slot1_grp width (361) + 16. The right-hand column of panels falls outside.
constexpr int kNarrowWindowWidth = 387;

using SlotRows = std::vector<std::pair<std::string, std::string>>;

struct SlotPanelState {
  bool groupEnabled = false;
  bool listVisible = true;
  SlotRows rows;  // the six rows of a filled list, else empty
  bool emptySlotButtonVisible = false;
  bool specButtonVisible = false;
  bool specButtonEnabled = false;
};

// One installed module, every one of them (not only those with a panel).
struct ModuleFacts {
  int index = 0;
  SlotRows rows;          // the six panel rows
  int64_t capacity = 0;   // bytes, exact
};

struct SlotScanState {
  std::string slotsLabel, maxmemLabel, curmemLabel;
  bool maxmemVisible = true;
  uint16_t deviceCount = 0;  // MemoryDevices of the array read last
  bool narrowWindow = false;  // set the outer width to kNarrowWindowWidth
  std::array<SlotPanelState, kSlotPanelCount> panels;
  std::vector<ModuleFacts> modules;
  uint64_t maximumGB = 0, slots = 0;
  int64_t totalBytes = 0;
  bool arraysRead = false, modulesRead = false;  // false: that query failed (Count -1)
  // How far the scan got. One that stops on an error leaves the steps after it undone, and the
  // window shows only what was reached: the panels whose rows are filled, and these stages.
  bool arrayPassDone = false;  // slot and maximum labels, panels enabled, window width
  bool finished = false;       // lists, buttons and the current-memory label decided
};

// Receives each run-log line (level "Info") when it is produced; an empty one means no log, and
// the lines are not even made.
using SlotScanLog = std::function<void(const std::string&)>;

// Walks both readers, which must be loaded. A conversion error in a later instance propagates
// after the lines logged so far; the overload taking the state leaves in it what was computed
// before the error, as the window shows it.
SlotScanState ComputeSlotScan(TWin32_PhysicalMemoryArray& arrays, TWin32_PhysicalMemory& modules,
                              const SlotScanLog& log);
void ComputeSlotScan(TWin32_PhysicalMemoryArray& arrays, TWin32_PhysicalMemory& modules,
                     const SlotScanLog& log, SlotScanState& state);

// The six rows of the selected module: Slot Name, Capacity, Manufacturer, Model, Type, Serial#.
SlotRows PanelRows(const TWin32_PhysicalMemory& module);

// True when the Manufacturer row is not exactly "N/A" and neither it nor the Model row is blank.
bool CanGetSpecification(const SlotRows& rows);
