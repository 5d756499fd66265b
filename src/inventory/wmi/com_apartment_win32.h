#pragma once
// COM in a single-threaded apartment for the calling thread, for the object's lifetime.
#include <windows.h>
#include <objbase.h>

class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitialize(nullptr))) {
    if (ok_) InitializeProcessSecurity();
  }
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  // The process's COM security, set once before the first call that crosses to another process
  // (WMI's service host). Left unset, COM picks it from the registry at the first such call,
  // and a WMI that needs impersonation may then refuse or stall. Later apartments get
  // RPC_E_TOO_LATE, which is fine: the first one set it. Any other failure leaves COM's own
  // choice, and the proxy blankets set on each WMI object still apply.
  static void InitializeProcessSecurity() {
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
  }

  bool ok_;
};
