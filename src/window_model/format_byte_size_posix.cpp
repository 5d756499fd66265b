#include "window_model/format_byte_size.h"

std::string PlatformDecimalSeparator() { return "."; }
