#include "report/advice/advice_rules.h"
#include "report/advice/advice_maker_table.h"

std::optional<std::string> DecodeModuleMaker(std::string_view) { return std::nullopt; }
std::optional<std::string> DecodeModuleMakerId(uint16_t) { return std::nullopt; }
