#include "support/http_transport/http_pump.h"

bool PumpThreadMessages() { return true; }
