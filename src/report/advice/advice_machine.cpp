#include "report/advice/advice_rules.h"

bool IsVirtualMachine(std::string_view, std::string_view) { return false; }
