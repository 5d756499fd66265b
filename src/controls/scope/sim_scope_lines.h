#pragma once
// The traces of the scope graph: each line's value history, the line itself and the collection.
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/scope/raster.h"

enum TScopeLineUnit { luPercent, luAbsolute };

// The history of one line. Item i (0 = oldest) lives at values[(i + zero index) mod count].
// With a limit set, the history is a ring: once count reaches the limit, a new value replaces
// the oldest one and the zero index moves on, so a scope left running for weeks stays flat.
class TScopeLineValues {
 public:
  static constexpr int kGrowBy = 128;

  void Add(std::int32_t value);
  // Empties the history, then stores two zeros: every trace starts from a defined segment.
  void Clear();
  // Any negative index reads item 0; with no values, the first array entry (or 0).
  std::int32_t Item(int index) const;
  int Count() const { return FCount; }
  int ZeroIndex() const { return FZeroIndex; }

  int Capacity() const { return static_cast<int>(FValues.size()); }
  // New entries are 0; a capacity below the count drops the newest values.
  void SetCapacity(int capacity);

  int Limit() const { return FLimit; }
  // Lowering the limit below the count drops the oldest values.
  void SetLimit(int limit);

  // Copies count, zero index, capacity and values; the limit stays this history's own.
  void Assign(const TScopeLineValues* source);

 private:
  void Linearise();  // rotates the storage so that the zero index is 0

  std::vector<std::int32_t> FValues;
  int FCount = 0;
  int FZeroIndex = 0;
  int FLimit = INT_MAX;
};

class TScopeLine {
 public:
  static constexpr TColor kDefaultColor = 0x00FF00;  // lime
  static constexpr std::int32_t kDefaultPosition = 50;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  // The name, or the standard item name when the line has none.
  std::string DisplayName() const;
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  std::int32_t Position() const { return FPosition; }
  void SetPosition(std::int32_t position) { FPosition = position; }
  TScopeLineUnit PositionUnit() const { return FPositionUnit; }
  void SetPositionUnit(TScopeLineUnit unit) { FPositionUnit = unit; }

  TScopeLineValues& Values() { return FValues; }
  const TScopeLineValues& Values() const { return FValues; }

  void Clear() { FValues.Clear(); }
  // Takes name, colour, position, position unit and the history.
  void Assign(const TScopeLine& source);

 private:
  std::string FName;
  TColor FColor = kDefaultColor;
  std::int32_t FPosition = kDefaultPosition;
  TScopeLineUnit FPositionUnit = luPercent;
  TScopeLineValues FValues;
};

class TSimScope;

// The scope's lines. A line joining the collection gets a history capacity of the owner's
// TotalTimeSteps.
class TScopeLines {
 public:
  explicit TScopeLines(const TSimScope& owner) : FOwner(owner) {}
  TScopeLines(const TScopeLines&) = delete;
  TScopeLines& operator=(const TScopeLines&) = delete;

  TScopeLine& Add();
  int Count() const { return static_cast<int>(FItems.size()); }
  // Throws std::out_of_range for an index outside 0 .. Count - 1.
  TScopeLine& Items(int index);
  const TScopeLine& Items(int index) const;
  void ClearValues();
  const TSimScope& Owner() const { return FOwner; }
  // Clears this collection, then adds a copy of each line of the source.
  void Assign(const TScopeLines& source);

 private:
  const TSimScope& FOwner;
  std::vector<std::unique_ptr<TScopeLine>> FItems;
};
