#pragma once
// Percent-encoding of texts put into web addresses (search keywords).
#include <string>

// Letters, digits, "-", "." and "_" stay; a space becomes "%20"; every other byte becomes "%"
// and two upper-case hex digits. The bytes are taken as they are (ANSI), not converted to UTF-8,
// because the maker's site decodes them in the same code page.
std::string UrlEncode(const std::string& text);
