#include "inventory/wmi/wmi_connection.h"

TWmiConnection::TWmiConnection(std::shared_ptr<WmiProvider> provider)
    : provider_(std::move(provider)) {}

TWmiConnection::~TWmiConnection() {
  // The locator goes before the services it handed out.
  Locator.reset();
  Services.reset();
}

void TWmiConnection::Connect(bool Force) {
  if (Connected && !Force) return;
  std::shared_ptr<WmiProvider> provider = provider_ ? provider_ : DefaultWmiProvider();
  if (!provider) throw WmiError("No WMI provider is available");
  Locator = provider->CreateLocator();
  if (!Locator) throw WmiError("The WMI locator could not be created");
  Services = Locator->ConnectServer(Server, NameSpace, User, Password);
  if (!Services) throw WmiError("The WMI namespace " + NameSpace + " could not be opened");
  Connected = true;
}
