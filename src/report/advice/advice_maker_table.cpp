#include "report/advice/advice_maker_table.h"

std::optional<std::string_view> JedecMakerName(unsigned, uint8_t) { return std::nullopt; }
