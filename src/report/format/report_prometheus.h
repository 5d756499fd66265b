#pragma once
// The report as metrics (Prometheus text exposition format 0.0.4) for the text-file collectors of
// the node exporter and the Windows exporter. The names and labels are an interface that
// dashboards and alert rules depend on: docs/metrics.md lists them; keep them stable.
#include <cstdint>
#include <string>
#include <vector>

#include "report/report_model.h"

// unixSeconds is the time the report was made (passed in: the formatter reads no clock).
std::string FormatPrometheusReport(const MemoryReport& report, int64_t unixSeconds);

// The metrics of a run whose inventory could not be read: a scrape still sees that it ran.
std::string FormatPrometheusFailure(int64_t unixSeconds);

struct SlotLabels {
  std::string slot, bank;  // UTF-8; bank empty when unknown
};

// One slot and bank pair per module, no two the same: the locator as firmware names it, "#N" for
// an empty one and "<locator> #N" for a pair an earlier module already has (N: the module's
// position from 1).
std::vector<SlotLabels> UniqueSlotLabels(const std::vector<ModuleReport>& modules);
