// The instance cache and the cursor, over fixture providers.
#include "inventory/wmi/wmi_class.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include "inventory/physical_memory.h"
#include "inventory/wmi/platform_wmi_provider.h"
#include "inventory/wmi/wmi_test_support.h"

namespace {

constexpr const char* kTwoModules = R"({
  "Win32_PhysicalMemory": [
    {"DeviceLocator": "DIMM1", "Capacity": "8589934592", "BankLabel": "BANK 0", "Speed": 1333},
    {"DeviceLocator": "DIMM2", "Capacity": "4294967296", "BankLabel": "BANK 1", "Speed": 1600,
     "Extra": "not read"},
    {"DeviceLocator": "DIMM3", "Capacity": null, "BankLabel": "BANK 2", "Speed": 800}
  ],
  "Win32_PhysicalMemoryArray": []
})";

TEST(WmiClassCache, LoadsEveryInstanceAndSelectsTheFirst) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(kTwoModules));
  ASSERT_EQ(modules.Count(), 3);
  EXPECT_TRUE(modules.Active());
  EXPECT_EQ(modules.CurrentIndex(), 0);
  EXPECT_EQ(modules.DeviceLocator, "DIMM1");
  EXPECT_EQ(modules.Capacity, 8589934592LL);
  // Names come from the first instance, in its order; "Extra" of the second is not kept.
  EXPECT_EQ(modules.PropertyNames(),
            (std::vector<std::string>{"DeviceLocator", "Capacity", "BankLabel", "Speed"}));
  EXPECT_TRUE(modules.PropertyValueAt("Extra", 1).IsNull());
  EXPECT_EQ(modules.PropertyValueAt("devicelocator", 2), PropertyValue("DIMM3"));
  EXPECT_TRUE(modules.PropertyValueAt("DeviceLocator", 3).IsNull());
  EXPECT_FALSE(modules.ClassObject().IsEmpty());
}

TEST(WmiClassCache, ClassWithoutInstancesLeavesTheFieldsUntouched) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(R"({"Win32_PhysicalMemory": []})"));
  EXPECT_EQ(modules.Count(), 0);
  EXPECT_EQ(modules.CurrentIndex(), -1);
  EXPECT_EQ(modules.DeviceLocator, "");
  EXPECT_EQ(modules.Capacity, 0);
  EXPECT_FALSE(modules.PoweredOn);
  EXPECT_EQ(modules.InstallDate, 0.0);
  modules.SetCollectionIndex(0);  // nothing to select
  EXPECT_EQ(modules.CurrentIndex(), -1);
}

TEST(WmiClassCache, FailedQueriesShowOnlyAsMinusOne) {
  // A class missing from the fixture, a broken fixture, a missing file, no WMI at all.
  TWin32_PhysicalMemory unknownClass(true, ProviderFromJson(R"({"Win32_Other": []})"));
  EXPECT_EQ(unknownClass.Count(), -1);
  EXPECT_FALSE(unknownClass.Active());
  TWin32_PhysicalMemory missingFile(true, MakeJsonFixtureProvider("/nonexistent/wmi.json"));
  EXPECT_EQ(missingFile.Count(), -1);
  TWin32_PhysicalMemory noWmi(true, MakePlatformWmiProvider());
  EXPECT_EQ(noWmi.Count(), -1);
  EXPECT_FALSE(noWmi.Connection().Connected);
  TWmiClass wrongNamespace(true, "root\\default", "Win32_PhysicalMemory",
                           ProviderFromJson(kTwoModules));
  EXPECT_EQ(wrongNamespace.Count(), -1);
}

TEST(WmiClassCache, LaterInstanceLackingAPropertyFailsTheLoad) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(R"({"Win32_PhysicalMemory": [
    {"DeviceLocator": "DIMM1", "Capacity": "1024"}, {"DeviceLocator": "DIMM2"}]})"));
  EXPECT_EQ(modules.Count(), -1);
  EXPECT_EQ(modules.IndexOfValue("DeviceLocator", PropertyValue("DIMM1")), -1);
}

TEST(WmiClassCache, ConversionErrorInTheFirstInstanceFailsTheLoad) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(R"({"Win32_PhysicalMemory": [
    {"DeviceLocator": "DIMM1", "Capacity": "lots"}]})"));
  EXPECT_EQ(modules.Count(), -1);
}

TEST(WmiClassCursor, SelectionReadsTheCacheOnly) {
  auto counting = std::make_shared<CountingProvider>(ProviderFromJson(kTwoModules));
  TWin32_PhysicalMemory modules(true, counting);
  // One query, one class lookup, one value call per property per instance.
  EXPECT_EQ(counting->Calls("CreateLocator"), 1);
  EXPECT_EQ(counting->Calls("ExecQuery"), 1);
  EXPECT_EQ(counting->Calls("Get"), 1);
  EXPECT_EQ(counting->Calls("Value"), 3 * 4);
  const int callsAfterLoad = counting->TotalCalls();
  modules.SetCollectionIndex(1);
  modules.SetCollectionIndex(1);
  modules.SetCollectionIndex(2);
  EXPECT_EQ(counting->TotalCalls(), callsAfterLoad);
  EXPECT_EQ(modules.Capacity, 0);  // null
  EXPECT_EQ(modules.Speed, 800u);
}

TEST(WmiClassCursor, SameIndexAgainDoesNotReread) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(kTwoModules));
  modules.SetCollectionIndex(1);
  EXPECT_EQ(modules.DeviceLocator, "DIMM2");
  modules.DeviceLocator = "changed";
  modules.SetCollectionIndex(1);
  EXPECT_EQ(modules.DeviceLocator, "changed");
  // -1 and Count are out of range: nothing moves, nothing is read.
  modules.SetCollectionIndex(-1);
  modules.SetCollectionIndex(modules.Count());
  EXPECT_EQ(modules.CurrentIndex(), 1);
  EXPECT_EQ(modules.DeviceLocator, "changed");
  modules.SetCollectionIndex(0);
  modules.SetCollectionIndex(1);
  EXPECT_EQ(modules.DeviceLocator, "DIMM2");
}

TEST(WmiClassCursor, IndexOfValue) {
  TWin32_PhysicalMemory modules(true, ProviderFromJson(kTwoModules));
  EXPECT_EQ(modules.IndexOfValue("DeviceLocator", PropertyValue("DIMM2")), 1);
  EXPECT_EQ(modules.IndexOfValue("capacity", PropertyValue(int64_t{4294967296})), 1);
  EXPECT_EQ(modules.IndexOfValue("Capacity", PropertyValue::Null()), 2);
  EXPECT_EQ(modules.IndexOfValue("Speed", PropertyValue("1333")), 0);
  EXPECT_EQ(modules.IndexOfValue("DeviceLocator", PropertyValue("dimm2")), -1);
  EXPECT_EQ(modules.IndexOfValue("NoSuchProperty", PropertyValue("DIMM2")), -1);
  EXPECT_EQ(modules.CurrentIndex(), 0);  // searching does not move the cursor
}

TEST(WmiClassBase, SelectionMustBeOverridden) {
  TWmiClass plain(true, "root\\CIMV2", "Win32_PhysicalMemory", ProviderFromJson(kTwoModules));
  EXPECT_EQ(plain.Count(), -1);  // selecting the first instance raised inside the load
  try {
    plain.SetCollectionIndex(0);
    FAIL() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "You must override this method SetCollectionIndex");
  }
  TWmiClass empty(true, "root\\CIMV2", "Win32_PhysicalMemoryArray", ProviderFromJson(kTwoModules));
  EXPECT_EQ(empty.Count(), 0);
}

TEST(WmiClassLoad, ReloadKeepsNamesAndConnectionButNotActive) {
  auto counting = std::make_shared<CountingProvider>(ProviderFromJson(kTwoModules));
  TWin32_PhysicalMemory modules(false, counting);
  EXPECT_EQ(counting->TotalCalls(), 0);
  EXPECT_EQ(modules.Count(), -1);  // never loaded
  EXPECT_TRUE(modules.Load());
  EXPECT_EQ(modules.Count(), -1);  // Load reports; only the constructor sets Active
  EXPECT_EQ(modules.Rows().size(), 3u);
  EXPECT_EQ(modules.DeviceLocator, "DIMM1");
  modules.SetCollectionIndex(2);
  EXPECT_TRUE(modules.Load());
  EXPECT_EQ(modules.CurrentIndex(), 0);
  EXPECT_EQ(modules.Rows().size(), 3u);
  EXPECT_EQ(counting->Calls("CreateLocator"), 1);  // connected once, kept
  EXPECT_EQ(counting->Calls("ExecQuery"), 2);
  modules.ClearRows();
  EXPECT_EQ(modules.CurrentIndex(), -1);
  EXPECT_EQ(modules.PropertyNames().size(), 4u);
}

TEST(WmiClassLoad, FailedConnectionIsRetriedByTheNextLoad) {
  auto counting = std::make_shared<CountingProvider>(MakePlatformWmiProvider());
  TWin32_PhysicalMemory modules(true, counting);
  EXPECT_FALSE(modules.Load());
  EXPECT_EQ(counting->Calls("CreateLocator"), 2);
}

TEST(DefaultWmiProvider, FixtureFileNamedByTheEnvironment) {
  ASSERT_EQ(setenv("MODULIX_WMI_FIXTURE", TestDataPath("wmi_4dev_2mod.json").c_str(), 1), 0);
  {
    TWin32_PhysicalMemory modules(true);
    EXPECT_EQ(modules.Count(), 2);
    // A provider set by the program wins over the file.
    SetDefaultWmiProvider(ProviderFromJson(kTwoModules));
    TWin32_PhysicalMemory chosen(true);
    EXPECT_EQ(chosen.Count(), 3);
    SetDefaultWmiProvider(nullptr);
  }
  ASSERT_EQ(unsetenv("MODULIX_WMI_FIXTURE"), 0);
  TWin32_PhysicalMemory platform(true);  // no WMI on this system
  EXPECT_EQ(platform.Count(), -1);
}

}  // namespace
