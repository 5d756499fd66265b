#include "support/http_pump.h"

bool PumpThreadMessages() { return true; }
