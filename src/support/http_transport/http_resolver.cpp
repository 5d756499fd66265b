#include "support/http_transport/http_resolver.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "support/http_transport/http_limits.h"

namespace {

// Owned jointly by the waiting thread and the worker: a worker stuck on a slow name server
// outlives an exchange that has given up, and finishes on its own.
struct TLookup {
  std::mutex Mutex;
  std::condition_variable Done;
  bool Finished = false;
  std::vector<uint32_t> Addresses;
  std::optional<ESocketError> Error;
};

void RunLookup(const std::shared_ptr<TLookup>& lookup, const std::string& host) {
  std::vector<uint32_t> addresses;
  std::optional<ESocketError> error;
  try {
    addresses = ResolveIpv4(host);
  } catch (const ESocketError& failure) {
    error = failure;
  }
  std::lock_guard lock(lookup->Mutex);
  lookup->Addresses = std::move(addresses);
  lookup->Error = std::move(error);
  lookup->Finished = true;
  lookup->Done.notify_all();
}

}  // namespace

std::vector<uint32_t> ResolveHostWhileWaiting(const std::string& host, THttpWaiter& waiter) {
  if (const auto literal = ParseIpv4Literal(host)) return {*literal};
  auto lookup = std::make_shared<TLookup>();
  try {
    std::thread(RunLookup, lookup, host).detach();
  } catch (const std::system_error&) {
    throw ESocketError(kWsaENoBufs, "no thread for the name lookup");
  }
  for (;;) {
    {
      std::unique_lock lock(lookup->Mutex);
      if (lookup->Done.wait_for(lock, std::chrono::milliseconds(kHttpWaitSliceMs), [&] { return lookup->Finished; })) {
        if (lookup->Error) throw *lookup->Error;
        waiter.NoteActivity();
        return lookup->Addresses;
      }
    }
    waiter.Idle();
  }
}
