#include "controls/scope/sim_scope_lines.h"

#include <algorithm>
#include <stdexcept>

#include "controls/scope/sim_scope.h"

void TScopeLineValues::Add(std::int32_t value) {
  if (FCount >= FLimit && FCount > 0) {
    FValues[static_cast<std::size_t>(FZeroIndex)] = value;
    FZeroIndex = (FZeroIndex + 1) % FCount;
    return;
  }
  if (FZeroIndex != 0) Linearise();
  if (Capacity() == FCount) {
    std::int64_t grown = static_cast<std::int64_t>(FCount) + kGrowBy;
    if (FLimit > FCount) grown = std::min<std::int64_t>(grown, FLimit);
    FValues.resize(static_cast<std::size_t>(grown), 0);
  }
  FValues[static_cast<std::size_t>(FCount)] = value;
  ++FCount;
}

void TScopeLineValues::Clear() {
  FCount = 0;
  FZeroIndex = 0;
  Add(0);
  Add(0);
}

std::int32_t TScopeLineValues::Item(int index) const {
  if (FCount <= 0) return FValues.empty() ? 0 : FValues[0];
  if (index < 0) index = 0;
  const int slot = static_cast<int>((static_cast<std::int64_t>(index) % FCount + FZeroIndex) % FCount);
  return FValues[static_cast<std::size_t>(slot)];
}

void TScopeLineValues::Linearise() {
  if (FZeroIndex == 0) return;
  std::rotate(FValues.begin(), FValues.begin() + FZeroIndex, FValues.begin() + FCount);
  FZeroIndex = 0;
}

void TScopeLineValues::SetCapacity(int capacity) {
  capacity = std::max(capacity, 0);
  if (capacity == Capacity()) return;
  Linearise();
  FValues.resize(static_cast<std::size_t>(capacity), 0);
  FCount = std::min(FCount, capacity);
}

void TScopeLineValues::SetLimit(int limit) {
  limit = std::max(limit, 1);
  if (limit == FLimit) return;
  Linearise();
  if (FCount > limit) {
    FValues.erase(FValues.begin(), FValues.begin() + (FCount - limit));
    FCount = limit;
  }
  FLimit = limit;
}

void TScopeLineValues::Assign(const TScopeLineValues* source) {
  if (source == nullptr) throw std::invalid_argument("TScopeLineValues.Assign:Source not assigned");
  if (source == this) return;
  FValues = source->FValues;
  FCount = source->FCount;
  FZeroIndex = source->FZeroIndex;
}

std::string TScopeLine::DisplayName() const { return FName.empty() ? "TScopeLine" : FName; }

void TScopeLine::Assign(const TScopeLine& source) {
  FName = source.FName;
  FColor = source.FColor;
  FPosition = source.FPosition;
  FPositionUnit = source.FPositionUnit;
  FValues.Assign(&source.FValues);
}

TScopeLine& TScopeLines::Add() {
  auto line = std::make_unique<TScopeLine>();
  line->Values().SetCapacity(FOwner.TotalTimeSteps());
  FItems.push_back(std::move(line));
  return *FItems.back();
}

TScopeLine& TScopeLines::Items(int index) {
  return *FItems.at(static_cast<std::size_t>(index));
}

const TScopeLine& TScopeLines::Items(int index) const {
  return *FItems.at(static_cast<std::size_t>(index));
}

void TScopeLines::ClearValues() {
  for (auto& line : FItems) line->Clear();
}

void TScopeLines::Assign(const TScopeLines& source) {
  if (&source == this) return;
  FItems.clear();
  for (const auto& line : source.FItems) Add().Assign(*line);
}
