#include "report/advice/advice_rules.h"

std::optional<std::string> CleanFirmwareText(std::string_view) { return std::nullopt; }
std::optional<std::string> DecodePartNumber(std::string_view) { return std::nullopt; }
