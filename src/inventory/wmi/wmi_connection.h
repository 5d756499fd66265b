#pragma once
// One connection to a WMI namespace, made on first use and kept.
#include <memory>
#include <string>

#include "inventory/wmi/wmi_provider.h"

class TWmiConnection {
 public:
  // A null provider means the default one (DefaultWmiProvider), looked up at Connect.
  explicit TWmiConnection(std::shared_ptr<WmiProvider> provider = nullptr);
  ~TWmiConnection();
  TWmiConnection(const TWmiConnection&) = delete;
  TWmiConnection& operator=(const TWmiConnection&) = delete;

  // Creates the locator and connects it to NameSpace on Server; does nothing when already
  // connected unless Force. Raises WmiError on failure and stays unconnected then.
  void Connect(bool Force);

  std::shared_ptr<WmiLocator> Locator;
  std::shared_ptr<WmiServices> Services;
  std::string Server = "localhost";
  std::string User;
  std::string Password;
  std::string NameSpace;
  bool Connected = false;

 private:
  std::shared_ptr<WmiProvider> provider_;
};
