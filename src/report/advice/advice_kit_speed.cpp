#include "report/advice/advice_rules.h"

std::optional<uint32_t> KitRatedSpeed(std::string_view) { return std::nullopt; }
