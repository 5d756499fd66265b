#pragma once
// MD4 (RFC 1320): only for the NT password hash that NTLM builds on.
#include <string_view>

#include "support/proxy_auth/md5.h"  // TDigest128

TDigest128 Md4(std::string_view bytes);
