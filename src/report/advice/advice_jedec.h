#pragma once
// JEDEC JEP106 maker identities as firmware writes them. Internal to the advice rules.
#include <cstdint>
#include <optional>
#include <string_view>

// bank: 1 for the first bank (no continuation code); code: the 7-bit number, parity bit removed.
struct JedecId {
  unsigned bank;
  uint8_t code;
  bool operator==(const JedecId&) const = default;
};

// The byte of a maker code as written, with its odd-parity bit: std::nullopt when the parity is
// wrong or the code is 0 or 0x7F (which is the continuation mark, not a maker).
std::optional<uint8_t> JedecCodeFromByte(uint8_t byte);
// A continuation count byte, with or without its parity bit; std::nullopt beyond the banks.
std::optional<unsigned> JedecBankFromCountByte(uint8_t byte);

enum class ByteOrder { CountFirst, CodeFirst };
// A text of hex digits only: "CE", "80CE", "00CE..." (count then code; what follows is padding or a
// repeat), "CE80" read CodeFirst, or continuation codes "7F7F7F0B...". std::nullopt otherwise.
std::optional<JedecId> ParseJedecHex(std::string_view hexDigits, ByteOrder order);
