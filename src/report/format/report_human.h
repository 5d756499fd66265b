#pragma once
// The report as a table for people: aligned, fits an 80-column terminal.
#include <string>

#include "report/report_model.h"

std::string FormatHumanReport(const MemoryReport& report);
