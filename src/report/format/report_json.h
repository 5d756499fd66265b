#pragma once
// The report as one JSON object, UTF-8.
#include <string>

#include "report/report_model.h"

std::string FormatJsonReport(const MemoryReport& report);
