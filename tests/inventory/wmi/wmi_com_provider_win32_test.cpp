// The COM provider against the system's WMI (Wine's, when run by ctest).
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "inventory/wmi/com_ptr_win32.h"
#include "inventory/wmi/com_variant_win32.h"
#include "inventory/wmi/converters.h"
#include "inventory/physical_memory.h"
#include "inventory/physical_memory_array.h"
#include "inventory/wmi/platform_wmi_provider.h"

namespace {

bool HasName(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(WmiComProvider, ReadsTheInstalledModules) {
  TWin32_PhysicalMemory modules(true, MakePlatformWmiProvider());
  ASSERT_GE(modules.Count(), 1);
  EXPECT_EQ(modules.CurrentIndex(), 0);
  // The 64-bit capacity travels as decimal text and still converts to the full number.
  const PropertyValue capacity = modules.PropertyValue("Capacity");
  EXPECT_EQ(capacity.Kind(), ValueKind::Text);
  EXPECT_GT(modules.Capacity, 0);
  EXPECT_EQ(modules.Capacity, ValueToInt64(capacity));
  EXPECT_EQ(std::to_string(modules.Capacity), capacity.AsText());
  // Only the class's own properties, no system ones such as __CLASS.
  EXPECT_TRUE(HasName(modules.PropertyNames(), "Capacity"));
  EXPECT_TRUE(HasName(modules.PropertyNames(), "DeviceLocator"));
  EXPECT_FALSE(HasName(modules.PropertyNames(), "__CLASS"));
  EXPECT_FALSE(modules.ClassObject().IsEmpty());
  // Properties this WMI lacks read as null, so their fields keep the defaults.
  EXPECT_TRUE(modules.PropertyValue("NoSuchProperty").IsNull());
}

TEST(WmiComProvider, ArrayClassWithoutInstancesLoads) {
  TWin32_PhysicalMemoryArray arrays(true, MakePlatformWmiProvider());
  EXPECT_EQ(arrays.Count(), 0);
  EXPECT_EQ(arrays.CurrentIndex(), -1);
  EXPECT_EQ(arrays.MemoryDevices, 0);
  EXPECT_EQ(arrays.MaxCapacity, 0u);
}

// Wine cannot tell an unknown class from one without instances (both answer queries with no
// rows), so only the namespace is tried here; the fixture tests cover unknown classes.
TEST(WmiComProvider, UnknownNamespaceFailsTheLoadQuietly) {
  TWmiClass unknownNamespace(true, "root\\NoSuchSpace", "Win32_PhysicalMemory",
                             MakePlatformWmiProvider());
  EXPECT_EQ(unknownNamespace.Count(), -1);
  EXPECT_FALSE(unknownNamespace.Connection().Connected);
}

// The report asks for UTF-8 and gets every character; the window keeps the ANSI code page.
TEST(WmiComProvider, TextsAsUtf8ForTheReport) {
  const std::pair<const wchar_t*, std::string> cases[] = {
      {L"Kingston", "Kingston"},
      {L"M\u00fcller \u20ac", "M\xC3\xBCller \xE2\x82\xAC"},
      {L"\u4e09\u661f DIMM", "\xE4\xB8\x89\xE6\x98\x9F DIMM"},  // no ANSI code page of the West has these
      {L"", ""},
  };
  for (const auto& [wide, utf8] : cases) {
    ScopedVariant v;
    VARIANT* raw = v.Put();
    raw->vt = VT_BSTR;
    raw->bstrVal = SysAllocString(wide);
    EXPECT_EQ(VariantToValue(v.Get(), WmiText::Utf8).AsText(), utf8) << utf8;
    EXPECT_EQ(VariantToValue(v.Get(), WmiText::Ansi).AsText(), WideToAnsi(wide, lstrlenW(wide)));
  }
}

}  // namespace
