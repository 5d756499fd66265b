#include <strings.h>

#include "support/text_storage/text_storage.h"

bool TextEqualsIgnoreCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}
