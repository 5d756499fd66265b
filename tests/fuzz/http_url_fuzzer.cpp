// Addresses from outside: a links file's address, a redirection's Location, the proxy host
// setting. What the parser accepts must read back the same when written out again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/http/http_url.h"

namespace {

void CheckRoundTrip(const THttpUrl& url) {
  const auto again = ParseHttpUrl(HttpAbsoluteUrl(url));
  if (!again || again->Host != url.Host || again->Port != url.Port || again->Path != url.Path) __builtin_trap();
  HttpHostHeader(url);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto url = ParseHttpUrl(text)) CheckRoundTrip(*url);
  const auto base = ParseHttpUrl("http://www.tervane.example:8080/dir/page?q=1");
  if (const auto resolved = ResolveHttpLocation(*base, text)) CheckRoundTrip(*resolved);
  ParseHostPort(text);
  return 0;
}
