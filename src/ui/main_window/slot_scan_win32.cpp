// The slot scan of the main window: read the inventory the report window will describe too,
// log every module, fill the panels.
#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "report/report_source.h"
#include "support/run_log/run_log.h"
#include "ui/main_window/main_dlg_win32.h"
#include "ui/main_window/slot_panels_win32.h"
#include "window_model/slot_scan.h"

void TMainDlg::ScanSlots() {
  FInventory = std::make_shared<const LoadedInventory>(LoadWindowInventory());
  const std::shared_ptr<WmiProvider>& provider =
      FInventory->windowProvider ? FInventory->windowProvider : FInventory->provider;
  TWin32_PhysicalMemory modules(true, provider);
  TWin32_PhysicalMemoryArray arrays(true, provider);
  SlotScanState state;
  const SlotScanLog log = [this](const std::string& line) {
    if (FLog) FLog->Add(line, 1);
  };
  try {
    ComputeSlotScan(arrays, modules, log, state);
  } catch (...) {
    // An instance that cannot be read stops the scan: what it reached goes on screen, the
    // remaining steps are skipped, and the handler's error box reports it.
    ApplySlotScan(*this, state);
    throw;
  }
  ApplySlotScan(*this, state);
}
