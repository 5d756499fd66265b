// The fixture format and the in-memory provider behind it.
#include "inventory/wmi/json_fixture_provider.h"

#include <gtest/gtest.h>

#include "common/file_text.h"
#include "common/temp_folder.h"
#include "inventory/wmi/wmi_test_support.h"

namespace {

TEST(WmiFixture, ValuesKeepTheirKindAndOrder) {
  const WmiClassTable table = ParseWmiFixture(R"({"C": [{"z": "text", "small": 2147483647,
    "big": 2147483648, "negative": -2147483649, "flag": true, "real": 1.5, "none": null}]})");
  const WmiInstanceData& instance = table.classes.at("C").at(0);
  ASSERT_EQ(instance.size(), 7u);
  const std::vector<std::pair<std::string, ValueKind>> expected = {
      {"z", ValueKind::Text},       {"small", ValueKind::Int32}, {"big", ValueKind::Int64},
      {"negative", ValueKind::Int64}, {"flag", ValueKind::Boolean}, {"real", ValueKind::Real},
      {"none", ValueKind::Null}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(instance[i].first, expected[i].first);
    EXPECT_EQ(instance[i].second.Kind(), expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(instance[2].second.AsInt64(), 2147483648LL);
}

TEST(WmiFixture, MalformedFilesAreRejected) {
  EXPECT_THROW(ParseWmiFixture("{"), WmiError);
  EXPECT_THROW(ParseWmiFixture("[]"), WmiError);
  EXPECT_THROW(ParseWmiFixture(R"({"C": {}})"), WmiError);
  EXPECT_THROW(ParseWmiFixture(R"({"C": [1]})"), WmiError);
  EXPECT_THROW(ParseWmiFixture(R"({"C": [{"a": [1, 2]}]})"), WmiError);
  EXPECT_THROW(ParseWmiFixture(R"({"C": [{"a": {"b": 1}}]})"), WmiError);
  EXPECT_THROW(ParseWmiFixture(R"({"C": [{"a": 18446744073709551615}]})"), WmiError);
  EXPECT_NO_THROW(ParseWmiFixture("{}"));
}

TEST(WmiFixture, AFileAboveSixteenMebibytesIsRefused) {
  constexpr size_t kCap = size_t{16} << 20;
  TempFolder folder;
  for (const size_t size : {kCap, kCap + 1}) {
    std::string text = R"({"Win32_Empty": []})";  // then blanks, up to the size
    text.resize(size, ' ');
    WriteFileText(folder.File("fixture.json"), text);
    const auto provider = MakeJsonFixtureProvider(folder.File("fixture.json"));
    if (size == kCap) {
      auto services = provider->CreateLocator()->ConnectServer("localhost", "root\\CIMV2", "", "");
      EXPECT_NE(services->Get("Win32_Empty"), nullptr);
    } else {
      EXPECT_THROW(provider->CreateLocator(), WmiError);
    }
  }
}

std::shared_ptr<WmiServices> Connect(const std::string& ns) {
  return ProviderFromJson(R"({"Win32_Thing": [{"Name": "a"}], "Win32_Empty": []})")
      ->CreateLocator()
      ->ConnectServer("localhost", ns, "", "");
}

int CountInstances(WmiEnumerator& items) {
  int count = 0;
  std::shared_ptr<WmiInstance> item;
  while (items.Next(item)) ++count;
  return count;
}

TEST(InMemoryProvider, AnswersTheOneQueryFormOfTheReaders) {
  auto services = Connect("root\\CIMV2");
  EXPECT_EQ(CountInstances(*services->ExecQuery("SELECT * FROM Win32_Thing", "WQL", 48)), 1);
  EXPECT_EQ(CountInstances(*services->ExecQuery("select * from win32_thing", "wql", 0)), 1);
  EXPECT_EQ(CountInstances(*services->ExecQuery("SELECT * FROM Win32_Empty", "WQL", 48)), 0);
  EXPECT_THROW(services->ExecQuery("SELECT * FROM Win32_Other", "WQL", 48), WmiError);
  EXPECT_THROW(services->ExecQuery("SELECT Name FROM Win32_Thing", "WQL", 48), WmiError);
  EXPECT_THROW(services->ExecQuery("SELECT * FROM Win32_Thing", "SQL", 48), WmiError);
  EXPECT_NE(services->Get("Win32_Empty"), nullptr);
  EXPECT_THROW(services->Get("Win32_Other"), WmiError);
}

TEST(InMemoryProvider, ServesOnlyTheLocalStandardNamespace) {
  EXPECT_NO_THROW(Connect("ROOT/cimv2"));
  EXPECT_THROW(Connect("root\\default"), WmiError);
  auto locator = ProviderFromJson("{}")->CreateLocator();
  EXPECT_NO_THROW(locator->ConnectServer(".", "root\\CIMV2", "", ""));
  EXPECT_THROW(locator->ConnectServer("server7", "root\\CIMV2", "", ""), WmiError);
}

TEST(InMemoryProvider, PropertiesByNameIgnoringCase) {
  auto items = Connect("root\\CIMV2")->ExecQuery("SELECT * FROM Win32_Thing", "WQL", 48);
  std::shared_ptr<WmiInstance> item;
  ASSERT_TRUE(items->Next(item));
  auto properties = item->Properties();
  EXPECT_EQ(properties->Names(), std::vector<std::string>{"Name"});
  EXPECT_EQ(properties->Value("NAME"), PropertyValue("a"));
  EXPECT_THROW(properties->Value("Other"), WmiError);
}

}  // namespace
