#pragma once
// Whether a downloaded body may replace the links file. A captive portal's page, an error page or
// a body cut short by a dropped connection must not replace the last good file: a value cut
// inside its host name would send the user elsewhere.
#include <string>
#include <string_view>

// Empty when the body reads as a complete links file: a "[links]" section (any letter case),
// every line blank, a ";" or "#" comment, a "[section]" or a whole "key=value" with a key, and
// the last line ended by a line feed. Otherwise why not, for the run log.
std::string WhyNotALinksFile(std::string_view body);
