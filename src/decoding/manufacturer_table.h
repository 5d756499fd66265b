#pragma once
// The manufacturer rows, in the order they are tested. Internal to the decoding module.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

// A short fixed list of texts, so a row can be written as one line of constant data.
class TextList {
 public:
  static constexpr size_t kCapacity = 3;
  constexpr TextList(std::initializer_list<std::string_view> texts) {
    if (texts.size() > kCapacity) throw "TextList: too many texts for one row";
    for (std::string_view text : texts) FItems[FCount++] = text;
  }
  constexpr const std::string_view* begin() const { return FItems.data(); }
  constexpr const std::string_view* end() const { return FItems.data() + FCount; }

 private:
  std::array<std::string_view, kCapacity> FItems{};
  size_t FCount = 0;
};

struct ManufacturerRow {
  std::string_view displayName;
  TextList codePrefixes;   // JEDEC codes as firmware writes them, matched at the start
  TextList nameFragments;  // matched anywhere in the text
};

std::span<const ManufacturerRow> ManufacturerRows();
