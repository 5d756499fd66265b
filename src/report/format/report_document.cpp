#include "report/format/report_document.h"

#include "report/format/report_human.h"
#include "report/format/report_json.h"
#include "report/report_source.h"

namespace {

const char* const kUnreadable = "the memory inventory could not be read";

ReportDocument Unreadable(const std::string& message) { return {false, message + "\n", ""}; }

}  // namespace

ReportDocument MakeReportDocument(const LoadedInventory& inventory) {
  MemoryReport report = BuildMemoryReport(inventory.source, inventory.provider,
                                          inventory.emptySlots, inventory.emptySlotBanks);
  return {true, FormatHumanReport(report), FormatJsonReport(report)};
}

ReportDocument MakeReportDocumentOrReason(const LoadedInventory& inventory) {
  if (!inventory.error.empty()) return Unreadable(inventory.error);
  try {
    return MakeReportDocument(inventory);
  } catch (const std::exception& e) {
    return Unreadable(e.what());
  } catch (...) {
    return Unreadable(kUnreadable);
  }
}

ReportDocument MakeDefaultReport() {
  try {
    return MakeReportDocument(LoadDefaultInventory());
  } catch (const std::exception& e) {
    return Unreadable(e.what());
  } catch (...) {
    return Unreadable(kUnreadable);
  }
}
