#include "support/text_storage/text_storage.h"

namespace {
// A position holding this text has no text of its own.
constexpr const char* kUnusedMarker = "unused";
}  // namespace

TTextStorage::TTextStorage() = default;

std::vector<std::string>& TTextStorage::Items() { return FItems; }

const std::vector<std::string>& TTextStorage::Items() const { return FItems; }

void TTextStorage::SetItems(const std::vector<std::string>& items) { FItems = items; }

void TTextStorage::Loaded() { FKeys = FItems; }

std::string TTextStorage::GetText(const std::string& key) const {
  for (size_t i = 0; i < FKeys.size(); ++i) {
    if (!TextEqualsIgnoreCase(FKeys[i], key)) continue;
    // A list replaced at run time may be shorter than the keys: no text there.
    if (i >= FItems.size() || FItems[i] == kUnusedMarker) return key;
    return FItems[i];
  }
  return key;
}
