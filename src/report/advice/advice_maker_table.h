#pragma once
// JEDEC maker identities the report decodes. Internal to the advice rules.
#include <cstdint>
#include <optional>
#include <string_view>

// bank: 1 for the first JEP106 bank (no continuation code); code: the byte with its parity bit.
std::optional<std::string_view> JedecMakerName(unsigned bank, uint8_t code);
