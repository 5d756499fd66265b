#include "report/advice/advice_rules.h"

std::optional<std::string> GenerationFromSmbiosType(uint32_t) { return std::nullopt; }
std::optional<std::string> GenerationFromWmiType(uint32_t) { return std::nullopt; }
std::optional<std::string> StandardName(const std::optional<std::string>&, std::optional<uint32_t>) {
  return std::nullopt;
}
