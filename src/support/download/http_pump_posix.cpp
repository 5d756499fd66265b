#include "support/download/http_pump.h"

bool PumpThreadMessages() { return true; }
