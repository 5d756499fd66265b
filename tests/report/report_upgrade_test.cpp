// The upgrade summary from the installed modules, the slots and the maximum.
#include <gtest/gtest.h>

#include "report/report_model.h"

namespace {

constexpr int64_t kGB = int64_t{1} << 30;

ModuleReport Module(const std::string& type, const std::string& formFactor, int64_t speed,
                    bool soldered = false) {
  ModuleReport m;
  m.typeName = type;
  m.formFactor = formFactor;
  m.speed = speed;
  m.soldered = soldered;
  return m;
}

MemoryReport Machine(uint64_t slots, uint64_t maximumGB, int64_t installedGB,
                     std::vector<ModuleReport> modules) {
  MemoryReport r;
  r.slots = slots;
  r.maximumGB = maximumGB;
  r.installedBytes = installedGB * kGB;
  r.modules = std::move(modules);
  return r;
}

TEST(ReportUpgrade, RoomLeftPerFreeSlotAndWhatToBuy) {
  MemoryReport r = Machine(4, 64, 16, {Module("DDR4", "DIMM", 2666), Module("DDR4", "DIMM", 3200)});
  UpgradeSummary u = ComputeUpgrade(r);
  EXPECT_FALSE(u.soldered);
  EXPECT_EQ(u.freeSlots, 2u);  // WMI names no slot: slots minus modules
  EXPECT_EQ(u.addableBytes, 48 * kGB);
  EXPECT_EQ(u.perFreeSlotBytes, 24 * kGB);
  EXPECT_EQ(u.type, "DDR4");
  EXPECT_EQ(u.formFactor, "DIMM");
  EXPECT_EQ(u.speed, 3200);  // no slower than the fastest installed module

  r.emptySlots = std::vector<std::string>{"DIMM_B2"};  // the tables name the free slots
  u = ComputeUpgrade(r);
  EXPECT_EQ(u.freeSlots, 1u);
  EXPECT_EQ(u.perFreeSlotBytes, 48 * kGB);
}

TEST(ReportUpgrade, UnknownOrUnbelievableMaximum) {
  UpgradeSummary u = ComputeUpgrade(Machine(0, 0, 8, {Module("DDR4", "", 0)}));
  EXPECT_FALSE(u.addableBytes);
  EXPECT_EQ(u.freeSlots, 0u);
  u = ComputeUpgrade(Machine(2, 4, 8, {Module("DDR3", "SODIMM", 1600)}));  // 8 GB in, 4 GB max
  EXPECT_FALSE(u.addableBytes);
  EXPECT_FALSE(u.perFreeSlotBytes);
  EXPECT_EQ(u.freeSlots, 1u);
  u = ComputeUpgrade(Machine(2, 16, 16, {Module("DDR3", "SODIMM", 1600)}));
  EXPECT_EQ(u.addableBytes, 0);
  u = ComputeUpgrade(Machine(2, UINT64_MAX, 16, {}));  // a maximum no 64-bit count holds
  EXPECT_FALSE(u.addableBytes);
}

TEST(ReportUpgrade, SolderedOnlyWhenEveryModuleIs) {
  EXPECT_TRUE(ComputeUpgrade(Machine(2, 32, 16, {Module("LPDDR5", "Row of chips", 6400, true),
                                                 Module("LPDDR5", "Row of chips", 6400, true)}))
                  .soldered);
  // Soldered memory plus a SODIMM slot can still grow.
  EXPECT_FALSE(ComputeUpgrade(Machine(2, 32, 16, {Module("DDR4", "Row of chips", 3200, true),
                                                  Module("DDR4", "SODIMM", 3200)}))
                   .soldered);
  EXPECT_FALSE(ComputeUpgrade(Machine(2, 32, 0, {})).soldered);
}

TEST(ReportUpgrade, MixedModulesListEachKindOnce) {
  UpgradeSummary u = ComputeUpgrade(Machine(
      4, 32, 12, {Module("DDR3", "DIMM", 1333), Module("DDR2", "", 800), Module("DDR3", "SODIMM", 1600)}));
  EXPECT_EQ(u.type, "DDR3/DDR2");
  EXPECT_EQ(u.formFactor, "DIMM/SODIMM");
  EXPECT_EQ(u.speed, 1600);
}

}  // namespace
