#pragma once
// The platform operations the WMI cache needs. The COM provider talks to the real service; the
// in-memory provider serves classes from a table (JSON fixture, SMBIOS dump). Every operation
// raises WmiError on failure.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "inventory/wmi/property_value.h"

class WmiError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An opaque object of the provider (a class definition, an instance) kept alive by its holder.
class WmiObject {
 public:
  virtual ~WmiObject() = default;
};

class WmiPropertySet {
 public:
  virtual ~WmiPropertySet() = default;
  virtual std::vector<std::string> Names() = 0;              // enumeration order
  virtual PropertyValue Value(const std::string& name) = 0;  // Item(name).Value
};

class WmiInstance : public WmiObject {
 public:
  virtual std::unique_ptr<WmiPropertySet> Properties() = 0;
};

class WmiEnumerator {
 public:
  virtual ~WmiEnumerator() = default;
  // Asks for one item: true with the item while one was delivered, false when none is left
  // (an error code of the platform also ends the walk). Raises WmiError when the platform does
  // not answer within its bound.
  virtual bool Next(std::shared_ptr<WmiInstance>& item) = 0;
};

class WmiServices : public WmiObject {
 public:
  virtual std::unique_ptr<WmiEnumerator> ExecQuery(const std::string& query,
                                                   const std::string& language, int32_t flags) = 0;
  virtual std::shared_ptr<WmiObject> Get(const std::string& className) = 0;
};

class WmiLocator : public WmiObject {
 public:
  virtual std::shared_ptr<WmiServices> ConnectServer(const std::string& server,
                                                     const std::string& nameSpace,
                                                     const std::string& user,
                                                     const std::string& password) = 0;
};

class WmiProvider {
 public:
  virtual ~WmiProvider() = default;
  virtual std::shared_ptr<WmiLocator> CreateLocator() = 0;
};

// How the system's WMI hands out its UTF-16 texts: in the process's ANSI code page, as the
// window's texts are, or as UTF-8, which keeps every character (the report).
enum class WmiText { Ansi, Utf8 };

// The provider new connections use: the one set last, else the fixture file named by
// MODULIX_WMI_FIXTURE, else the platform's own (COM on Windows; none elsewhere) with its texts
// in the given form. Setting null returns to the fixture-or-platform choice, which is made
// afresh on every call.
std::shared_ptr<WmiProvider> DefaultWmiProvider(WmiText text = WmiText::Ansi);
void SetDefaultWmiProvider(std::shared_ptr<WmiProvider> provider);
// The provider set last, or null when none is set.
std::shared_ptr<WmiProvider> ChosenWmiProvider();
