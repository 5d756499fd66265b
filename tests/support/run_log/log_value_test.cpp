#include <gtest/gtest.h>

#include <string>

#include "support/run_log/log_value.h"

TEST(EscapeLogValue, ControlBytesBecomeHexEscapesAndTheRestStays) {
  const std::pair<std::string, std::string> cases[] = {
      {"DIMM 1", "DIMM 1"}, {"", ""}, {std::string("a\0b", 3), "a\\x00b"}, {"\x1F\x7F", "\\x1F\\x7F"},
      {"A\r\nInfo\t[24-05-17 10:31:05]\tforged", "A\\x0D\\x0AInfo\\x09[24-05-17 10:31:05]\\x09forged"},
      {"\x1B]0;title\x07", "\\x1B]0;title\\x07"},
      {"C:\\Program Files\\Modulix.exe", "C:\\Program Files\\Modulix.exe"},
      {"caf\xC3\xA9 \x80\xFF", "caf\xC3\xA9 \x80\xFF"},
  };
  for (const auto& [value, logged] : cases) EXPECT_EQ(EscapeLogValue(value), logged) << logged;
}
