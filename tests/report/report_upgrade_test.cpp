// The upgrade advice from typed records: widths, maxima, free slots, buffering, machines.
#include <gtest/gtest.h>

#include "report/format/report_advice_texts.h"
#include "report/report_model.h"

namespace {

constexpr uint64_t kGiB = uint64_t{1} << 30;

ModuleReport Dimm(uint32_t smbiosType = 0x1A, uint64_t sizeGiB = 16, uint32_t detail = 0x4080) {
  ModuleReport m;
  m.record.smbiosMemoryType = smbiosType;
  m.record.sizeBytes = sizeGiB * kGiB;
  m.record.ratedMTs = 3200;
  m.record.smbiosFormFactor = 0x09;
  m.record.typeDetail = detail;
  m.record.dataWidth = m.record.totalWidth = 64;
  return m;
}

// A machine of `slots` slots in one array holding `maximumGiB`, with these modules.
MemoryReport Machine(std::optional<uint32_t> slots, std::optional<uint64_t> maximumGiB,
                     std::vector<ModuleReport> modules) {
  MemoryReport r;
  if (slots) {
    ArrayRecord a;
    a.devices = slots;
    if (maximumGiB) a.maximumBytes = *maximumGiB * kGiB;
    r.arrays.push_back(a);
    r.slots = slots;
  }
  r.modules = std::move(modules);
  for (ModuleReport& m : r.modules) {
    m.advice = AdviseModule(m.record);
    r.installedBytes += m.record.sizeBytes.value_or(0);
  }
  return r;
}

TEST(ReportUpgrade, ModuleEccFromSaneWidthsOnly) {
  struct Case {
    std::optional<uint32_t> data, total;
    std::optional<bool> ecc;
  };
  const Case cases[] = {
      {64, 72, true},   {64, 80, true},   {32, 40, true},  {64, 64, false}, {8, 8, false},
      {128, 144, true}, {64, 81, {}},     {64, 63, {}},    {7, 8, {}},      {256, 272, {}},
      {65474, 65474, {}}, {{}, 72, {}},   {64, {}, {}},
  };
  for (const Case& c : cases) {
    ModuleReport m = Dimm();
    m.record.dataWidth = c.data;
    m.record.totalWidth = c.total;
    ModuleAdvice a = AdviseModule(m.record);
    EXPECT_EQ(a.ecc, c.ecc) << c.data.value_or(0) << "/" << c.total.value_or(0);
    EXPECT_EQ(a.dataWidth.has_value(), c.ecc.has_value());  // insane widths are not shown
  }
  // The machine: all ECC, all not, or mixed (unknown).
  ModuleReport ecc = Dimm();
  ecc.record.totalWidth = 72;
  EXPECT_EQ(ComputeUpgrade(Machine(4, 64, {ecc, ecc})).ecc, true);
  EXPECT_EQ(ComputeUpgrade(Machine(4, 64, {Dimm(), Dimm()})).ecc, false);
  EXPECT_EQ(ComputeUpgrade(Machine(4, 64, {ecc, Dimm()})).ecc, std::nullopt);
}

TEST(ReportUpgrade, MaximumAndRoomPerFreeSlot) {
  struct Case {
    const char* what;
    std::optional<uint32_t> slots;
    std::optional<uint64_t> maximumGiB;
    std::optional<uint64_t> maximum, free, perSlot, addable;  // GiB
  };
  const Case cases[] = {
      {"room left", 4, 64, 64, 2, 16, 32},
      {"odd room rounds down to a module size", 4, 60, 60, 2, 8, 16},
      {"maximum reached", 4, 32, 32, 2, 0, 0},
      {"maximum below what is installed", 4, 16, {}, 2, {}, {}},
      {"maximum 0", 4, 0, {}, 2, {}, {}},
      {"maximum beyond 64 TiB", 4, uint64_t{1} << 17, {}, 2, {}, {}},
      {"no free slot", 2, 64, 64, 0, {}, {}},
      {"no array record", {}, {}, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryReport r = Machine(c.slots, c.maximumGiB == 0 ? std::nullopt : c.maximumGiB, {Dimm(), Dimm()});
    UpgradeSummary u = ComputeUpgrade(r);
    auto gib = [](std::optional<uint64_t> v) { return v ? std::optional<uint64_t>(*v * kGiB) : v; };
    EXPECT_EQ(u.maximumBytes, gib(c.maximum));
    EXPECT_EQ(u.freeSlots, c.free);
    EXPECT_EQ(u.perFreeSlotBytes, gib(c.perSlot));
    EXPECT_EQ(u.addableBytes, gib(c.addable));
  }
  // The tables name the free slots: those count, not slots less modules.
  MemoryReport r = Machine(4, 64, {Dimm(), Dimm()});
  r.emptySlots = std::vector<std::string>{"DIMM_B2"};
  EXPECT_EQ(ComputeUpgrade(r).perFreeSlotBytes, 32 * kGiB);
}

TEST(ReportUpgrade, WhatToBuyInOneLine) {
  ModuleReport lr = Dimm(0x1A, 64, 0xA080), rdimm = Dimm(0x1A, 64, 0x2080);
  lr.record.totalWidth = rdimm.record.totalWidth = 72;
  lr.record.ratedMTs = rdimm.record.ratedMTs = 2933;
  ModuleReport optane = Dimm(0x1A, 128, 0x2080);
  optane.record.technology = 0x07;
  ModuleReport ddr3 = Dimm(0x18, 8);
  ddr3.record.ratedMTs = 1600;
  ModuleReport sodimm = Dimm();
  sodimm.record.smbiosFormFactor = 0x0D;
  struct Case {
    const char* what;
    MemoryReport machine;
    const char* line;
  };
  MemoryReport vm = Machine(64, 1024, {Dimm()});
  vm.system.manufacturer = "QEMU";
  vm.system.product = "Standard PC (Q35 + ICH9, 2009)";
  MemoryReport unknownType = Machine(4, 64, {Dimm(0x02)});
  const Case cases[] = {
      {"registered ECC server", Machine(8, 512, {rdimm, rdimm, rdimm, rdimm}),
       "DDR4-2933 registered ECC DIMM (PC4-23400), up to 64 GB per module, 4 free slots"},
      {"one load-reduced module makes it all", Machine(8, 1024, {rdimm, lr}),
       "DDR4-2933 load-reduced ECC DIMM (PC4-23400), up to 128 GB per module, 6 free slots"},
      {"persistent memory is left out", Machine(4, 512, {rdimm, optane}),
       "DDR4-2933 registered ECC DIMM (PC4-23400), up to 128 GB per module, 2 free slots"},
      {"mixed generations", Machine(4, 64, {Dimm(), ddr3}), "unknown: the modules are of different types"},
      {"mixed forms", Machine(4, 64, {Dimm(), sodimm}),
       "DDR4-3200 unbuffered non-ECC (PC4-25600), up to 16 GB per module, 2 free slots"},
      {"unknown type", unknownType, "unknown: the firmware does not say the memory type"},
      {"virtual machine", vm, "nothing: a virtual machine's memory is set by its host"},
      {"full", Machine(2, 32, {Dimm(), Dimm()}),
       "DDR4-3200 unbuffered non-ECC DIMM (PC4-25600), no free slot: replace modules to grow"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UpgradeSummary u = ComputeUpgrade(c.machine);
    EXPECT_EQ(BuyingAdvice(u), c.line);
  }
  UpgradeSummary v = ComputeUpgrade(vm);
  EXPECT_TRUE(v.isVirtual);
  EXPECT_FALSE(v.type || v.buffering || v.formFactor || v.perFreeSlotBytes);
}

}  // namespace
