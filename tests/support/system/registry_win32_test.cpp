#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/system/registry.h"

namespace {
// Each test works on its own throwaway key, removed afterwards, so the real vendor key is never
// touched.
class VendorRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = "SOFTWARE\\ModulixTest-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    SetVendorKeyPath(base_);
  }
  void TearDown() override {
    SetVendorKeyPath("");
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    EXPECT_FALSE(KeyExists(base_));
  }

  static bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  // Stores raw bytes of any type, as another program might.
  void Put(const std::string& subkey, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  DWORD ValueCount(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return values;
  }

  std::string Quorin() const { return base_ + "\\Quorin"; }

  std::string base_;
};
}  // namespace

TEST_F(VendorRegistry, WrittenValueReadsBackAndIsAString) {
  WriteVendorValue("Modulix", L"C:\\Program Files\\Modulix\\Modulix.exe");
  EXPECT_EQ(ReadVendorValue("Modulix"), "C:\\Program Files\\Modulix\\Modulix.exe");
  char data[64] = {};
  DWORD size = sizeof(data);
  DWORD type = 0;
  ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, base_.c_str(), "Modulix", RRF_RT_ANY, &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  WriteVendorValue("Empty", L"");
  EXPECT_EQ(ReadVendorValue("Empty"), "");
}

TEST_F(VendorRegistry, APathOutsideTheAnsiCodePageIsStoredAndReadBackExactly) {
  const std::wstring path = L"C:\\Program Files\\\u0422\u0435\u0440\u0432\u0435\u0439\u043d\\Modulix.exe";
  WriteVendorValue("Modulix", path);
  wchar_t data[128] = {};
  DWORD size = sizeof(data);
  DWORD type = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, std::wstring(base_.begin(), base_.end()).c_str(),
                         L"Modulix", RRF_RT_ANY, &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(data), path);
  EXPECT_EQ(ReadVendorPath("Modulix"), path);
  EXPECT_EQ(ReadVendorPath("Velmet"), L"");  // missing
  const DWORD number = 7;
  Put(base_, "Number", REG_DWORD, &number, sizeof(number));
  EXPECT_THROW(ReadVendorPath("Number"), RegistryError);
  Put(base_, "Embedded", REG_SZ, "abc\0def", 8);  // stored by an ANSI writer, cut at its NUL
  EXPECT_EQ(ReadVendorPath("Embedded"), L"abc");
}

TEST_F(VendorRegistry, SameNameTwiceKeepsOneValueWithTheLastData) {
  WriteVendorValue("Modulix", L"C:\\old\\Modulix.exe");
  WriteVendorValue("Modulix", L"D:\\new\\Modulix.exe");
  EXPECT_EQ(ReadVendorValue("Modulix"), "D:\\new\\Modulix.exe");
  EXPECT_EQ(ValueCount(base_), 1u);
}

TEST_F(VendorRegistry, MissingNameReadsEmptyAndLeavesTheKeyCreated) {
  ASSERT_FALSE(KeyExists(base_));
  EXPECT_EQ(ReadVendorValue("Velmet"), "");
  EXPECT_TRUE(KeyExists(base_));
  EXPECT_EQ(ValueCount(base_), 0u);
}

TEST_F(VendorRegistry, NonStringValueRaisesRegistryError) {
  const DWORD number = 42;
  Put(base_, "Velmet", REG_DWORD, &number, sizeof(number));
  EXPECT_THROW(ReadVendorValue("Velmet"), RegistryError);
  Put(base_, "Binary", REG_BINARY, "abc", 3);
  EXPECT_THROW(ReadVendorValue("Binary"), RegistryError);
  Put(base_, "List", REG_MULTI_SZ, "a\0b\0", 5);
  EXPECT_THROW(ReadVendorValue("List"), RegistryError);
}

TEST_F(VendorRegistry, StringsReadUpToTheFirstNulWithoutExpansion) {
  Put(base_, "Expand", REG_EXPAND_SZ, "%WINDIR%\\x.exe", 15);
  EXPECT_EQ(ReadVendorValue("Expand"), "%WINDIR%\\x.exe");
  Put(base_, "Embedded", REG_SZ, "abc\0def", 8);
  EXPECT_EQ(ReadVendorValue("Embedded"), "abc");
  Put(base_, "Unterminated", REG_SZ, "xyz", 3);  // stored without its NUL
  EXPECT_EQ(ReadVendorValue("Unterminated"), "xyz");
  const std::string longText(5000, 'p');
  Put(base_, "Long", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));
  EXPECT_EQ(ReadVendorValue("Long"), longText);
}

TEST_F(VendorRegistry, QuorinReadsItsOwnSubkeyAndCreatesIt) {
  EXPECT_EQ(ReadQuorinValue("ProxyServer"), "");
  EXPECT_TRUE(KeyExists(Quorin()));
  Put(Quorin(), "ProxyServer", REG_SZ, "proxy.example:3128", 19);
  Put(base_, "ProxyServer", REG_SZ, "vendor level", 13);
  EXPECT_EQ(ReadQuorinValue("ProxyServer"), "proxy.example:3128");
  EXPECT_EQ(ReadVendorValue("ProxyServer"), "vendor level");
  const DWORD number = 1;
  Put(Quorin(), "ProxyEnable", REG_DWORD, &number, sizeof(number));
  EXPECT_THROW(ReadQuorinValue("ProxyEnable"), RegistryError);
}
