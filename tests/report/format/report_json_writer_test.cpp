// The JSON writer against the JSON library's own dump, which defined the report's layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

#include "report/format/report_json.h"
#include "report/format/report_json_writer.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Dumped(const Json& j) { return j.dump(2); }

TEST(ReportJsonWriter, LaysOutNestedContainersAsTheLibraryDoes) {
  std::string out;
  JsonWriter w(out);
  w.BeginObject();
  w.Key("empty object");
  w.BeginObject();
  w.EndObject();
  w.Key("empty array");
  w.BeginArray();
  w.EndArray();
  w.Key("numbers");
  w.BeginArray();
  w.Int(std::numeric_limits<int64_t>::min());
  w.Int(0);
  w.UInt(std::numeric_limits<uint64_t>::max());
  w.Real(0.1);
  w.Real(1e300);
  w.Real(-2.0);
  w.EndArray();
  w.Key("nested");
  w.BeginArray();
  w.BeginObject();
  w.Key("flag");
  w.Bool(true);
  w.Key("none");
  w.Null();
  w.Key("maybe");
  w.IntOrNull(std::optional<int64_t>());
  w.EndObject();
  w.BeginArray();
  w.EndArray();
  w.EndArray();
  w.EndObject();

  Json j = Json::object();
  j["empty object"] = Json::object();
  j["empty array"] = Json::array();
  j["numbers"] = Json::array({std::numeric_limits<int64_t>::min(), 0,
                              std::numeric_limits<uint64_t>::max(), 0.1, 1e300, -2.0});
  j["nested"] = Json::array({Json{{"flag", true}, {"none", nullptr}, {"maybe", nullptr}},
                             Json::array()});
  EXPECT_EQ(out, Dumped(j));
}

// Line breaks are cut from a fixed run of spaces: nesting deeper than it reaches still indents
// two spaces a level, in objects and arrays, before members and before closing brackets.
TEST(ReportJsonWriter, IndentsDeepNestingAsTheLibraryDoes) {
  constexpr int kDepth = 45;
  std::string out;
  JsonWriter w(out);
  Json expected = Json::array({1, 2});
  for (int level = 0; level < kDepth; ++level) {
    expected = level % 2 ? Json::array({expected, level}) : Json{{"k", expected}, {"n", level}};
  }
  for (int level = kDepth - 1; level >= 0; --level) {
    if (level % 2) {
      w.BeginArray();
    } else {
      w.BeginObject();
      w.Key("k");
    }
  }
  w.BeginArray();
  w.Int(1);
  w.Int(2);
  w.EndArray();
  for (int level = 0; level < kDepth; ++level) {
    if (level % 2) {
      w.Int(level);
      w.EndArray();
    } else {
      w.Key("n");
      w.Int(level);
      w.EndObject();
    }
  }
  EXPECT_EQ(out, Dumped(expected));
}

// The library escapes C0 controls, quotes and backslashes; the report escapes DEL and the C1
// controls besides, as \u00XX, and leaves every other character (and '/') as it is.
TEST(ReportJsonWriter, EscapesEveryControlAndNothingElse) {
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
  const std::string c1 = "\xC2\x80\xC2\x9B\xC2\x9F";
  const std::string other = "\xC2\xA0\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // nbsp é € emoji
  std::string out;
  JsonWriter w(out);
  w.BeginArray();
  w.String(ascii);
  w.String(c1 + other);
  w.String("");
  w.EndArray();

  std::string expected = Dumped(Json::array({ascii, c1 + other, ""}));
  const std::string del = "\x7F";
  expected.replace(expected.find(del), del.size(), "\\u007f");
  expected.replace(expected.find(c1), c1.size(), "\\u0080\\u009b\\u009f");
  EXPECT_EQ(out, expected);
  EXPECT_NE(out.find("\\b\\t\\n\\u000b\\f\\r\\u000e"), std::string::npos) << out;
  EXPECT_NE(out.find("\\\"#$%&'()*+,-./0"), std::string::npos);
  EXPECT_NE(out.find("[\\\\]"), std::string::npos);
}

TEST(ReportJsonWriter, EscapesKeysLikeValues) {
  std::string out;
  JsonWriter w(out);
  w.BeginObject();
  w.Key("a\"b\x7F");
  w.Int(1);
  w.EndObject();
  EXPECT_EQ(out, "{\n  \"a\\\"b\\u007f\": 1\n}");
}

// A channel named in Latin-1 and the same name in UTF-8 are one member once made UTF-8: where
// the first stood, holding the modules of the last, as the report always showed them.
TEST(ReportJsonWriter, ChannelsEqualInUtf8AreOneMember) {
  MemoryReport r;
  r.source = "smbios";
  r.insights.channels = std::map<std::string, std::vector<int>>{
      {"A", {0}}, {"\xC3\xA9", {1}}, {"\xE9", {2, 3}}, {"Z", {}}};
  Json j = Json::parse(FormatJsonReport(r));
  const Json& channels = j["insights"]["channels"];
  ASSERT_EQ(channels.size(), 3u);
  auto it = channels.begin();
  EXPECT_EQ(it.key(), "A");
  EXPECT_EQ((++it).key(), "Z");  // the map sorts by bytes: ASCII first
  EXPECT_EQ(*it, Json::array());
  EXPECT_EQ((++it).key(), "\xC3\xA9");
  EXPECT_EQ(*it, Json::array({2, 3}));
}

}  // namespace
