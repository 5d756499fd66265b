#include "support/system/system_info.h"

std::string BoolToYesNo(bool value) { return value ? "Yes" : "No"; }
