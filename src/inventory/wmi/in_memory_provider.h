#pragma once
// A provider that serves WMI classes from a table held in memory: the JSON fixture of the test
// seam and the SMBIOS tables are both turned into one of these.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "inventory/wmi/wmi_provider.h"

// One instance: its properties in the order they are enumerated.
using WmiInstanceData = std::vector<std::pair<std::string, PropertyValue>>;

// Class name (compared without regard to ASCII case) -> instances. A class missing from the
// table fails its query as an unknown class does; an empty vector is a class with no instances.
struct WmiClassTable {
  std::map<std::string, std::vector<WmiInstanceData>> classes;
};

// The provider serves the table as namespace "root\CIMV2" of the local machine ("localhost", "."
// or empty) and answers the query "SELECT * FROM <class>" in language "WQL"; anything else fails
// with WmiError, as does a property an instance lacks.
std::shared_ptr<WmiProvider> MakeInMemoryProvider(WmiClassTable table);
