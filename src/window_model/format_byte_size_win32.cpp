#include <windows.h>

#include "window_model/format_byte_size.h"

std::string PlatformDecimalSeparator() {
  char separator[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof(separator)) == 0 ||
      separator[0] == '\0')
    return ".";
  return separator;
}
