#include <gtest/gtest.h>

#include "support/text_storage/text_storage.h"

namespace {
TTextStorage Loaded(const std::vector<std::string>& items) {
  TTextStorage storage;
  storage.Items() = items;
  storage.Loaded();
  return storage;
}
}  // namespace

TEST(TextStorage, AnswersStoredTextsByKeyIgnoringCase) {
  TTextStorage storage = Loaded({"About", "Version :"});
  EXPECT_EQ(storage.GetText("About"), "About");
  EXPECT_EQ(storage.GetText("Version :"), "Version :");
  EXPECT_EQ(storage.GetText("ABOUT"), "About");
  EXPECT_EQ(storage.GetText("version :"), "Version :");
}

TEST(TextStorage, AnswersTheKeyItselfWhenNothingMatches) {
  TTextStorage storage = Loaded({"About", "Version :"});
  EXPECT_EQ(storage.GetText("Application Name :"), "Application Name :");
  EXPECT_EQ(storage.GetText("Abou"), "Abou");  // whole strings only
  EXPECT_EQ(storage.GetText(""), "");
  EXPECT_EQ(TTextStorage().GetText("About"), "About");
}

TEST(TextStorage, UnusedPositionAnswersTheKeyAsked) {
  TTextStorage storage = Loaded({"About", "Version :"});
  storage.SetItems({"unused", "Unused"});
  EXPECT_EQ(storage.GetText("ABOUT"), "ABOUT");
  EXPECT_EQ(storage.GetText("Version :"), "Unused");  // the marker is case-sensitive
}

TEST(TextStorage, NewItemsInTheSameOrderReplaceTextsButNotKeys) {
  TTextStorage storage = Loaded({"About", "Application Name :", "Version :"});
  storage.SetItems({"A propos", "Nom de l'application :", "Version :"});
  EXPECT_EQ(storage.GetText("About"), "A propos");
  EXPECT_EQ(storage.GetText("application name :"), "Nom de l'application :");
  EXPECT_EQ(storage.GetText("A propos"), "A propos");  // not a key: answered unchanged
  EXPECT_EQ(storage.Items().size(), 3u);
}

TEST(TextStorage, ShorterRunTimeListAnswersTheKeyBeyondItsEnd) {
  TTextStorage storage = Loaded({"About", "Application Name :", "Version :"});
  storage.SetItems({"A propos"});
  EXPECT_EQ(storage.GetText("About"), "A propos");
  EXPECT_EQ(storage.GetText("Version :"), "Version :");
  storage.Items().clear();
  EXPECT_EQ(storage.GetText("About"), "About");
}

TEST(TextStorage, FirstMatchingKeyWins) {
  TTextStorage storage = Loaded({"Ok", "OK"});
  storage.SetItems({"first", "second"});
  EXPECT_EQ(storage.GetText("OK"), "first");
}

TEST(TextStorage, KeysAreTakenOnlyWhenLoaded) {
  TTextStorage storage;
  storage.Items() = {"About"};
  EXPECT_EQ(storage.GetText("about"), "about");  // no keys before loading finished
  storage.Loaded();
  storage.Items()[0] = "Info";
  EXPECT_EQ(storage.GetText("about"), "Info");
}

TEST(TextStorage, ComparisonIsOfWholeStrings) {
  EXPECT_TRUE(TextEqualsIgnoreCase("Version :", "VERSION :"));
  EXPECT_FALSE(TextEqualsIgnoreCase("Version", "Version :"));
  EXPECT_FALSE(TextEqualsIgnoreCase("Version :", "Version"));
  EXPECT_TRUE(TextEqualsIgnoreCase("", ""));
}
