#include "support/system_info.h"

std::string BoolToYesNo(bool value) { return value ? "Yes" : "No"; }
