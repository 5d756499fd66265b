#include <cstring>

#include "support/system/system_error_text.h"

std::string SystemErrorText(uint32_t code) { return std::strerror(static_cast<int>(code)); }
