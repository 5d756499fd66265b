#pragma once
// Where the report's inventory comes from: WMI, SMBIOS tables, udev's copy of them, or a JSON
// fixture, all served to the readers as WMI classes.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "inventory/smbios/smbios_source.h"
#include "inventory/udev/udev_memory.h"
#include "inventory/wmi/wmi_provider.h"

struct LoadedInventory {
  std::string source;  // "wmi", "smbios", "udev" or "fixture"
  std::shared_ptr<WmiProvider> provider;
  // The same classes with their texts in the ANSI code page, for the main window, whose texts
  // keep that form; null where `provider` serves them so already.
  std::shared_ptr<WmiProvider> windowProvider;
  std::optional<std::vector<std::string>> emptySlots;  // SMBIOS names them; WMI does not
  std::vector<std::string> warnings;  // a partial read: what was cut off or skipped, where
  SmbiosSkipped skipped;  // memory structures past the limit, which the report leaves out
  std::vector<std::string> emptySlotBanks;  // the bank label of each empty slot, when known
  std::string error;  // not empty: nothing could be read, and this says why
};

// The inventory cannot be read; the message is the whole line for the user: what, why, and
// what to do about it.
class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Each raises SourceError.
// SMBIOS tables from a dump file, or FILE "-" for this computer's firmware tables.
LoadedInventory LoadSmbiosFileInventory(const std::string& file);
// udev's memory properties from its database file or `udevadm info --query=property` output.
LoadedInventory LoadUdevFileInventory(const std::string& file);
// WMI classes from a JSON fixture file.
LoadedInventory LoadFixtureInventory(const std::string& file);
// The provider a test set (SetDefaultWmiProvider), else the MODULIX_WMI_FIXTURE file when set,
// else the platform's own inventory.
LoadedInventory LoadDefaultInventory();
// The same for the main window, which shows what it can whatever happens: an inventory that
// cannot be read serves no class (both queries fail) and says why in `error`. Never throws.
LoadedInventory LoadWindowInventory();

// SMBIOS tables as an inventory; a table cut short or over the limits gives a warning naming
// the file. Tables without any array, module or empty slot of system memory are no inventory:
// SourceError.
LoadedInventory InventoryFromSmbios(const SmbiosTable& table, const std::string& file);

// udev's properties as an inventory; what was left out gives a warning naming the file.
LoadedInventory InventoryFromUdev(UdevMemoryInventory inv, const std::string& file);

// Per platform: WMI on Windows; on Linux the kernel's SMBIOS tables, else the udev
// database. Raises SourceError.
LoadedInventory LoadPlatformInventory();
// Per platform: the remedy named when the firmware's own tables cannot be read, for the error
// that stopped the read and whether the process runs as root (only then is "run as root" no help).
std::string FirmwareTablesRemedy(int systemError, bool runsAsRoot);
// The same for this process.
std::string FirmwareTablesRemedy(const SmbiosReadError& e);
// Linux: the remedy named when neither the tables nor udev's database can be read; "run as root"
// only when the tables were refused to a process that is not root (missing tables need no rights).
std::string UdevFallbackRemedy(int tablesSystemError, bool runsAsRoot);
