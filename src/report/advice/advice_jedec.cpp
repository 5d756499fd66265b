#include "report/advice/advice_jedec.h"

#include <bit>

#include "report/advice/advice_words.h"

namespace {
constexpr uint8_t kContinuation = 0x7F;
constexpr unsigned kBanks = 16;  // JEP106 has fewer; room for the banks still to come

bool HasOddParity(uint8_t byte) { return std::popcount(byte) % 2 == 1; }

// The byte of two hex digits at index*2; the caller checked the text is hex.
uint8_t ByteAt(std::string_view hex, size_t index) {
  const uint8_t high = *HexDigitValue(hex[index * 2]);
  return static_cast<uint8_t>(high * 16 + *HexDigitValue(hex[index * 2 + 1]));
}

std::optional<JedecId> CountThenCode(uint8_t count, uint8_t code) {
  const std::optional<unsigned> bank = JedecBankFromCountByte(count);
  const std::optional<uint8_t> id = JedecCodeFromByte(code);
  if (!bank || !id) return std::nullopt;
  return JedecId{*bank, *id};
}

std::optional<JedecId> FromContinuationCodes(std::string_view hex, size_t bytes) {
  size_t continuations = 0;
  while (continuations < bytes && ByteAt(hex, continuations) == kContinuation) ++continuations;
  if (continuations >= bytes || continuations >= kBanks) return std::nullopt;
  const std::optional<uint8_t> id = JedecCodeFromByte(ByteAt(hex, continuations));
  if (!id) return std::nullopt;
  return JedecId{static_cast<unsigned>(continuations + 1), *id};
}
}  // namespace

std::optional<uint8_t> JedecCodeFromByte(uint8_t byte) {
  const uint8_t code = byte & 0x7F;
  if (!HasOddParity(byte) || code == 0 || code == kContinuation) return std::nullopt;
  return code;
}

std::optional<unsigned> JedecBankFromCountByte(uint8_t byte) {
  const unsigned count = byte & 0x7F;
  // Written with its parity bit, the bit must be right; written without, the top bit is clear.
  if ((byte & 0x80) && !HasOddParity(byte)) return std::nullopt;
  if (count >= kBanks) return std::nullopt;
  return count + 1;
}

std::optional<JedecId> ParseJedecHex(std::string_view hex, ByteOrder order) {
  if (!IsAllHex(hex) || hex.size() % 2 != 0) return std::nullopt;
  const size_t bytes = hex.size() / 2;
  if (bytes == 1) {
    const std::optional<uint8_t> id = JedecCodeFromByte(ByteAt(hex, 0));
    return id ? std::optional<JedecId>(JedecId{1, *id}) : std::nullopt;
  }
  if (ByteAt(hex, 0) == kContinuation) return FromContinuationCodes(hex, bytes);
  // Two bytes lead; firmware pads or repeats after them ("80CE000080CE").
  if (order == ByteOrder::CodeFirst) return CountThenCode(ByteAt(hex, 1), ByteAt(hex, 0));
  return CountThenCode(ByteAt(hex, 0), ByteAt(hex, 1));
}
