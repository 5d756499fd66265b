#pragma once
// Plain answers drawn from the inventory: does the memory run at its rated speed, are the
// modules spread over the channels, how do they differ, is there ECC.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct MemoryReport;

struct SpeedInsight {
  std::optional<int64_t> ratedMTs;       // the slowest rated module
  std::optional<int64_t> configuredMTs;  // the slowest configured module
  bool belowRated = false;               // more than 3% below the rating
  // The lowest speed the part numbers state, when every module's does; a kit rated above its
  // default speed runs at the default until its XMP/EXPO profile is turned on.
  std::optional<int64_t> kitRatedMTs;
  bool belowKitRated = false;  // configured more than 3% below kitRatedMTs
};

struct ReportInsights {
  SpeedInsight speed;
  // Channel name -> indexes of its modules; none unless every module names its channel.
  std::optional<std::map<std::string, std::vector<int>>> channels;
  // Channels only empty slots name, in slot order.
  std::vector<std::string> emptyChannels;
  // Of "capacity", "type", "speed", "manufacturer", "partNumber", in this order.
  std::vector<std::string> differ;
  std::optional<bool> ecc;        // the system corrects errors (the arrays say)
  std::optional<bool> moduleEcc;  // the modules carry check bits (their widths say)
};

// The installed modules are the report's, in its order; index 0 is the first.
ReportInsights ComputeInsights(const MemoryReport& report);

// Within 3% of the rating counts as running at it: 2666 against 2667 is rounding. Any values:
// nothing overflows.
bool RunsBelowRating(int64_t configuredMTs, int64_t ratedMTs);
