#pragma once
// What the report knows: the window's own texts (kept as an interface), and the facts and advice
// computed from the typed inventory records, never from those texts.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "inventory/memory_record.h"
#include "inventory/wmi/wmi_provider.h"
#include "report/report_insights.h"
#include "window_model/slot_scan.h"

// One module in words a buyer uses; unknown is absent.
struct ModuleAdvice {
  std::optional<std::string> generation;    // "DDR4"
  std::optional<std::string> standardName;  // "DDR4-3200 (PC4-25600)"
  std::optional<std::string> buffering;     // "unbuffered", "registered", "load-reduced"
  std::optional<bool> ecc;                  // from sane widths only
  std::optional<std::string> formFactor;    // "DIMM", "SODIMM", "FB-DIMM"
  std::optional<std::string> maker, partNumber, serialNumber;
  std::optional<std::string> technology;    // "DRAM", "NVDIMM-N", ..., "Optane"
  std::optional<uint32_t> dataWidth, totalWidth;  // sane ones only
  std::optional<uint32_t> kitRatedMTs;      // what the part number says the kit is rated for
  bool persistent = false;                  // NVDIMM or Optane: not part of the DRAM advice
};

struct ModuleReport {
  SlotRows panel;       // the six rows exactly as the window lists them
  ModuleRecord record;  // the inventory's facts
  ModuleAdvice advice;
  std::string formFactorName;  // whatever the code names, "RIMM" included; empty when unknown
  bool soldered = false;
};

struct UpgradeSummary {
  bool isVirtual = false;  // the host decides the memory: no hardware advice
  bool soldered = false;
  std::optional<std::string> type, buffering, formFactor;  // shared by every DRAM module
  bool typesDiffer = false;  // two DRAM modules name different generations
  std::optional<bool> ecc;
  std::optional<uint64_t> maximumBytes;
  std::optional<uint64_t> freeSlots;
  std::optional<uint64_t> perFreeSlotBytes, addableBytes;
  uint64_t installedBytes = 0;
  std::optional<uint32_t> speed;  // MT/s at least: the fastest installed rating
  std::optional<std::string> standardName;  // of `type` at `speed`
};

struct MemoryReport {
  std::string source;  // "wmi", "smbios", "udev" or "fixture"
  std::string slotsLabel, maxmemLabel, curmemLabel;  // the window's labels, as it shows them
  std::optional<uint64_t> slots;                     // absent without an array record
  uint64_t windowMaximumGB = 0;                      // what the window's label says
  uint64_t installedBytes = 0;                       // known sizes, added up
  std::vector<ModuleReport> modules;
  std::vector<ArrayRecord> arrays;  // of system memory
  SystemRecord system;
  // Locators of the empty slots; none when the source does not list them (WMI).
  std::optional<std::vector<std::string>> emptySlots;
  std::vector<std::string> emptySlotBanks;  // the bank label of each empty slot, when known
  UpgradeSummary upgrade;
  ReportInsights insights;
  // Memory structures past the reader's limit, which the report leaves out (SMBIOS only).
  uint64_t skippedMemoryDevices = 0;
  uint64_t skippedMemoryArrays = 0;
};

// The module query failed: nothing to report.
class InventoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads the memory classes and the machine's identity from the provider, runs the window's slot
// scan for its texts and computes the facts. Raises InventoryError when the module class cannot be
// read or holds a value the window's readers reject.
MemoryReport BuildMemoryReport(const std::string& source, std::shared_ptr<WmiProvider> provider,
                               std::optional<std::vector<std::string>> emptySlots,
                               std::vector<std::string> emptySlotBanks = {});

// The per-module facts of a record (pure).
ModuleAdvice AdviseModule(const ModuleRecord& record);
// The upgrade advice of the report's modules, arrays, empty slots and machine (pure).
UpgradeSummary ComputeUpgrade(const MemoryReport& report);
