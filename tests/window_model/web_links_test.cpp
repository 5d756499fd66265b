#include <gtest/gtest.h>

#include <string>

#include "window_model/links_file_check.h"
#include "window_model/startup_texts.h"
#include "window_model/web_links.h"

namespace {
const std::string kSite = "http://www.tervane.example";
}

TEST(BuyMemoryLink, OnlyWebAddressesFromTheLinksFileCount) {
  EXPECT_EQ(ChooseBuyMemoryLink(kSite, "http://shop.example/ram"), "http://shop.example/ram");
  EXPECT_EQ(ChooseBuyMemoryLink(kSite, "HTTPS://Shop.example/ram?a=1"),
            "HTTPS://Shop.example/ram?a=1");
  // Missing, too short, or not a web address: the program's own page.
  for (const char* refused : {"", "x", "C:\\Windows\\System32\\cmd.exe", "\\\\host\\share\\x.exe",
                              "file:///C:/x.exe", "http:/", "ftp://host/x", " http://a.example",
                              "javascript:alert(1)"}) {
    EXPECT_EQ(ChooseBuyMemoryLink(kSite, refused), kSite + "/modulix") << refused;
  }
  // A scheme with no host names no page.
  for (const char* hostless : {"http://", "https://", "http:///ram", "http://?ram", "http://#ram",
                               "http://user@/ram", "http://:8080/ram"}) {
    EXPECT_FALSE(IsUsableLink(hostless)) << hostless;
  }
  EXPECT_TRUE(IsUsableLink("http://a"));
  EXPECT_TRUE(IsUsableLink("http://shop.example:8080?ram"));
  // Control characters could smuggle a second command or header.
  EXPECT_FALSE(IsUsableLink("http://a.example/\r\nx"));
  EXPECT_FALSE(IsUsableLink(std::string("http://a.example/\x7F")));
  EXPECT_FALSE(IsUsableLink("http://a.example/\tx"));
}

TEST(ModuleSearch, EncodesManufacturerAndModelAsShown) {
  EXPECT_EQ(ModuleSearchUrl(kSite, "Freescale (Motorola)", "MT16"),
            kSite + "/modulix/index.php?keyword=Freescale%20%28Motorola%29%20MT16");
  // Trailing blanks of a model are kept, as "%20" groups.
  EXPECT_EQ(ModuleSearchUrl(kSite, "Samsung", "M378B5273CH0-CH9  "),
            kSite + "/modulix/index.php?keyword=Samsung%20M378B5273CH0-CH9%20%20");
  EXPECT_EQ(DriversPageUrl(kSite), kSite + "/quorin/drivers.php");
}

TEST(StartupTexts, CaptionAndLinksFile) {
  EXPECT_EQ(StartupCaption("1.4.5.11"), "Modulix v1.4.5.11");
  EXPECT_EQ(StartupCaption(""), "Modulix v");  // no version resource
  EXPECT_EQ(LinksFileUrl(kSite), kSite + "/modulix/modulix.ini");
  EXPECT_EQ(std::string(kEmptySlotCaption).size(), 40u);
  EXPECT_EQ(std::string(kEmptySlotCaption).substr(12, 2), "\n\r");
}

TEST(LinksFileCheck, OnlyACompleteLinksFileMayReplaceTheLastGoodOne) {
  const struct {
    const char* body;
    const char* why;  // empty: accepted
  } cases[] = {
      {"[links]\r\nram=http://shop.example/ram\r\n", ""},
      {"[Links]\nram=http://shop.example/ram\n", ""},
      {"; maker's links\r\n\r\n[other]\r\nx = 1\r\n[links]\r\nram=\r\n", ""},
      {"[links]\r\nram=http://", "no line end after the last line"},
      {"[links]\r\nram=http://shop.exa", "no line end after the last line"},
      {"", "empty body"},
      {"<!DOCTYPE html>\r\n<html><body>Sign in</body></html>\r\n", "line 1 is not key=value"},
      {"[links]\r\nram\r\n", "line 2 is not key=value"},
      {"[links]\r\n=http://a.example\r\n", "line 2 is not key=value"},
      {"[links\r\nram=http://a.example\r\n", "line 1 is not key=value"},
      {"[other]\r\nram=http://a.example\r\n", "no [links] section"},
      {"{links}\r\nram=http://a.example\r\n", "line 1 is not key=value"},
      {"[links]\r\nram=http://a.example\x1B[2J\r\n", "control byte in line 2"},
  };
  for (const auto& c : cases) EXPECT_EQ(WhyNotALinksFile(c.body), c.why) << c.body;
  EXPECT_EQ(WhyNotALinksFile(std::string("[links]\nram=a\0b\n", 16)), "control byte in line 2");
}
