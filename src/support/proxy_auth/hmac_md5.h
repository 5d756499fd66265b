#pragma once
// HMAC with MD5 (RFC 2104), the keyed hash of NTLMv2.
#include <string_view>

#include "support/proxy_auth/md5.h"

TDigest128 HmacMd5(std::string_view key, std::string_view message);
