#pragma once
// IPv4 name lookup that never blocks the waiting loop: a literal address is read at once, a
// name is looked up on a worker thread while the waiter pumps messages and keeps its clock.
#include <cstdint>
#include <string>
#include <vector>

#include "support/http_transport/http_waiter.h"

// ESocketError with the resolver's Windows Sockets number when the name does not resolve;
// EHttpExchangeFailure when the wait is given up.
std::vector<uint32_t> ResolveHostWhileWaiting(const std::string& host, THttpWaiter& waiter);
