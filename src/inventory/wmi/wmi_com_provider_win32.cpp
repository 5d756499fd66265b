// WMI through its typed COM interfaces. The scripting objects cannot enumerate a property set
// under Wine, the typed ones work on Windows and Wine alike. COM must already be initialised on
// the calling thread (the program entry does it).
#include <windows.h>
#include <wbemcli.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "inventory/wmi/com_ptr_win32.h"
#include "inventory/wmi/com_variant_win32.h"
#include "inventory/wmi/platform_wmi_provider.h"

namespace {

// A cold or broken WMI (the first query after boot, a hung provider host, a corrupt repository)
// may never answer. The scan runs on the window's thread, so a query that stays silent this long
// fails like any other failed query instead of freezing the window.
constexpr auto kQueryAnswerBound = std::chrono::seconds(20);
// Next waits this long per call, so the bound is checked between calls.
constexpr LONG kNextWaitMs = 500;

// Lets WMI's service host act for us on the calls through this proxy. In-process objects (Wine)
// have no proxy to set, which is fine.
void AllowImpersonation(IUnknown* proxy) {
  CoSetProxyBlanket(proxy, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

// Without these the property set would also list __CLASS, __PATH and the other system
// properties, which the scripting interface's Properties_ leaves out.
constexpr LONG kUserPropertiesOnly = WBEM_FLAG_ALWAYS | WBEM_FLAG_NONSYSTEM_ONLY;

void Check(HRESULT hr, const char* call) {
  if (SUCCEEDED(hr)) return;
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  throw WmiError(std::string(call) + " failed (" + code + ")");
}

class ComObjectHolder : public WmiObject {
 public:
  explicit ComObjectHolder(ComPtr<IWbemClassObject> object) : object_(std::move(object)) {}

 private:
  ComPtr<IWbemClassObject> object_;
};

std::vector<std::string> BstrArrayToTexts(SAFEARRAY* names) {
  LONG low = 0, high = -1;
  Check(SafeArrayGetLBound(names, 1, &low), "SafeArrayGetLBound");
  Check(SafeArrayGetUBound(names, 1, &high), "SafeArrayGetUBound");
  std::vector<std::string> texts;
  for (LONG i = low; i <= high; ++i) {
    BSTR name = nullptr;
    Check(SafeArrayGetElement(names, &i, &name), "SafeArrayGetElement");
    texts.push_back(WideToAnsi(name, static_cast<int>(SysStringLen(name))));
    SysFreeString(name);
  }
  return texts;
}

class ComPropertySet : public WmiPropertySet {
 public:
  ComPropertySet(ComPtr<IWbemClassObject> object, WmiText text)
      : object_(std::move(object)), text_(text) {}

  std::vector<std::string> Names() override {
    SAFEARRAY* names = nullptr;
    Check(object_->GetNames(nullptr, kUserPropertiesOnly, nullptr, &names),
          "IWbemClassObject::GetNames");
    struct Destroy { SAFEARRAY* a; ~Destroy() { if (a) SafeArrayDestroy(a); } } guard{names};
    return names ? BstrArrayToTexts(names) : std::vector<std::string>();
  }

  PropertyValue Value(const std::string& name) override {
    const std::wstring wide = AnsiToWide(name);
    ScopedVariant value;
    Check(object_->Get(wide.c_str(), 0, value.Put(), nullptr, nullptr), "IWbemClassObject::Get");
    return VariantToValue(value.Get(), text_);
  }

 private:
  ComPtr<IWbemClassObject> object_;
  WmiText text_;
};

class ComInstance : public WmiInstance {
 public:
  ComInstance(ComPtr<IWbemClassObject> object, WmiText text)
      : object_(std::move(object)), text_(text) {}
  std::unique_ptr<WmiPropertySet> Properties() override {
    return std::make_unique<ComPropertySet>(object_, text_);
  }

 private:
  ComPtr<IWbemClassObject> object_;
  WmiText text_;
};

class ComEnumerator : public WmiEnumerator {
 public:
  ComEnumerator(ComPtr<IEnumWbemClassObject> items, WmiText text)
      : items_(std::move(items)),
        deadline_(std::chrono::steady_clock::now() + kQueryAnswerBound),
        text_(text) {}

  // Anything but one delivered object (the end, or an error) ends the walk; a query that has
  // not delivered all its objects by the bound fails.
  bool Next(std::shared_ptr<WmiInstance>& item) override {
    ComPtr<IWbemClassObject> object;
    ULONG returned = 0;
    HRESULT hr;
    while ((hr = items_->Next(kNextWaitMs, 1, object.Put(), &returned)) == WBEM_S_TIMEDOUT) {
      if (std::chrono::steady_clock::now() >= deadline_) {
        throw WmiError("WMI did not answer the query within " +
                       std::to_string(kQueryAnswerBound.count()) + " s");
      }
    }
    if (hr != WBEM_S_NO_ERROR || returned != 1 || !object) return false;
    item = std::make_shared<ComInstance>(std::move(object), text_);
    return true;
  }

 private:
  ComPtr<IEnumWbemClassObject> items_;
  std::chrono::steady_clock::time_point deadline_;
  WmiText text_;
};

class ComServices : public WmiServices {
 public:
  ComServices(ComPtr<IWbemServices> services, WmiText text)
      : services_(std::move(services)), text_(text) {}

  std::unique_ptr<WmiEnumerator> ExecQuery(const std::string& query, const std::string& language,
                                           int32_t flags) override {
    ScopedBstr bstrLanguage(language), bstrQuery(query);
    ComPtr<IEnumWbemClassObject> items;
    Check(services_->ExecQuery(bstrLanguage.Get(), bstrQuery.Get(), flags, nullptr, items.Put()),
          "IWbemServices::ExecQuery");
    AllowImpersonation(items.Get());  // the enumerator is a proxy of its own
    return std::make_unique<ComEnumerator>(std::move(items), text_);
  }

  std::shared_ptr<WmiObject> Get(const std::string& className) override {
    ScopedBstr path(className);
    ComPtr<IWbemClassObject> definition;
    const HRESULT hr = services_->GetObject(path.Get(), 0, nullptr, definition.Put(), nullptr);
    // Wine's WMI builds a class object only from an instance, so it reports a class with no
    // instances as not found; a query that the class answers shows that it does exist.
    if (hr == static_cast<HRESULT>(WBEM_E_NOT_FOUND) && ClassAnswersQueries(className)) {
      return std::make_shared<ComObjectHolder>(ComPtr<IWbemClassObject>());
    }
    Check(hr, "IWbemServices::GetObject");
    return std::make_shared<ComObjectHolder>(std::move(definition));
  }

 private:
  // A synchronous query (no return-immediately flag) fails at once for an unknown class.
  bool ClassAnswersQueries(const std::string& className) {
    ScopedBstr language("WQL"), query("SELECT * FROM " + className);
    ComPtr<IEnumWbemClassObject> items;
    return SUCCEEDED(services_->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_FORWARD_ONLY,
                                          nullptr, items.Put()));
  }

  ComPtr<IWbemServices> services_;
  WmiText text_;
};

class ComLocator : public WmiLocator {
 public:
  ComLocator(ComPtr<IWbemLocator> locator, WmiText text)
      : locator_(std::move(locator)), text_(text) {}

  std::shared_ptr<WmiServices> ConnectServer(const std::string& server,
                                             const std::string& nameSpace,
                                             const std::string& user,
                                             const std::string& password) override {
    ScopedBstr path("\\\\" + server + "\\" + nameSpace), bstrUser(user), bstrPassword(password);
    ComPtr<IWbemServices> services;
    // The maximum-wait flag makes a service that does not answer fail within two minutes
    // instead of never.
    Check(locator_->ConnectServer(path.Get(), bstrUser.Get(), bstrPassword.Get(), nullptr,
                                  WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr, nullptr,
                                  services.Put()),
          "IWbemLocator::ConnectServer");
    AllowImpersonation(services.Get());
    return std::make_shared<ComServices>(std::move(services), text_);
  }

 private:
  ComPtr<IWbemLocator> locator_;
  WmiText text_;
};

class ComProvider : public WmiProvider {
 public:
  explicit ComProvider(WmiText text) : text_(text) {}
  std::shared_ptr<WmiLocator> CreateLocator() override {
    ComPtr<IWbemLocator> locator;
    Check(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                           IID_IWbemLocator, reinterpret_cast<void**>(locator.Put())),
          "CoCreateInstance(WbemLocator)");
    return std::make_shared<ComLocator>(std::move(locator), text_);
  }

 private:
  WmiText text_;
};

}  // namespace

std::shared_ptr<WmiProvider> MakePlatformWmiProvider(WmiText text) {
  return std::make_shared<ComProvider>(text);
}
