#include "ui/format_byte_size.h"

std::string PlatformDecimalSeparator() { return "."; }
