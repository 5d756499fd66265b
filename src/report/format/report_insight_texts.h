#pragma once
// The insights in words, one row each, for the human report.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "report/report_insights.h"

// Rows "Speed", "Channels", "Modules", "ECC"; unknown facts say "unknown".
std::vector<std::pair<std::string, std::string>> InsightRows(const ReportInsights& insights,
                                                             size_t moduleCount);
