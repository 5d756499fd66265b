#pragma once
// Base64 (RFC 4648, standard alphabet, with padding), as HTTP authentication headers carry it.
#include <optional>
#include <string>
#include <string_view>

std::string Base64Encode(std::string_view bytes);
// Nothing for text that is not valid padded Base64 (wrong length, characters outside the alphabet).
std::optional<std::string> Base64Decode(std::string_view text);
