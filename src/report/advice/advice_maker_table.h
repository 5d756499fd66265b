#pragma once
// Module makers the report knows beyond the window's manufacturer rows. Internal to the module.
#include <optional>
#include <string_view>

#include "report/advice/advice_jedec.h"

// The maker of a JEDEC identity this table lists, else std::nullopt.
std::optional<std::string_view> ReportMakerById(JedecId id);
// The maker a text names by one of the table's spellings, as a whole word ("Micron" in
// "Micron Technology Inc."), else std::nullopt.
std::optional<std::string_view> ReportMakerByName(std::string_view text);
