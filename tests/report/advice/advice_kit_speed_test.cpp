#include <gtest/gtest.h>

#include "report/advice/advice_rules.h"

namespace {
TEST(AdviceKitSpeed, ReadsTheSpeedEachMakersSchemeStates) {
  const std::pair<const char*, std::optional<uint32_t>> cases[] = {
      // G.Skill: a PC3 rating for older DDR3, MT/s otherwise.
      {"F4-3200C16D-16GVKB", 3200},  {"F3-12800CL9D-8GBXL", 1600},  {"F3-10666CL9D-4GBRL", 1333},
      {"F3-1600C9D-16GXM", 1600},    {"F5-6000J3636F16GX2-TZ5N", 6000},
      {"f4-3600c18d-32gtzn", 3600},  {"F4-", std::nullopt},         {"F4-3200", std::nullopt},
      // Kingston FURY and HyperX.
      {"KF436C17BBK2/16", 3600},     {"KF556C40-16", 5600},         {"KF426C16BB/8", 2666},
      {"KF3200C16D4/8GX", std::nullopt},  // not the FURY pattern
      {"KHX2666C16/8G", 2666},       {"KHX1600C9D3/4G", 1600},
      {"KVR26N19S8/8", std::nullopt},     // ValueRAM states no kit speed
      // Corsair; the series letters may hold an X too.
      {"CMK32GX4M2B3200C16", 3200},  {"CMK16GX5M2B6000C36", 6000},  {"CMSX16GX4M2A2666C18", 2666},
      {"CMZ16GX3M2A1600C10", 1600},  {"CMK32GX4M2B", std::nullopt},
      // TEAMGROUP and Crucial Ballistix (kits too; Ballistix Sport is another scheme).
      {"TEAMGROUP-UD4-3200", 3200},  {"TEAMGROUP-UD5-6000", 6000},
      {"TEAMGROUP-SD4-3200", std::nullopt},
      {"BL8G32C16U4B", 3200},        {"BL16G26C16U4B", 2666},       {"BL8G36C16U4B", 3600},
      {"BL2K16G36C16U4B", 3600},     {"BLS8G4D240FSB", std::nullopt},
      // Nothing stated; six digits are no speed (and never an overflow).
      {"M378A1K43CB2-CTD", std::nullopt}, {"", std::nullopt},   {"KHX999999C16", std::nullopt},
  };
  for (const auto& [part, speed] : cases) {
    EXPECT_EQ(KitRatedSpeed(part), speed) << "part: " << part;
  }
}
}  // namespace
