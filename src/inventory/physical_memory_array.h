#pragma once
// Reader of the WMI class Win32_PhysicalMemoryArray: one instance per memory array (the slots
// one memory controller serves).
#include <cstdint>
#include <memory>
#include <string>

#include "inventory/wmi/date_time.h"
#include "inventory/wmi/wmi_class.h"

class TWin32_PhysicalMemoryArray : public TWmiClass {
 public:
  // With LoadNow the instances are loaded at once and the first one is selected.
  explicit TWin32_PhysicalMemoryArray(bool LoadNow,
                                      std::shared_ptr<WmiProvider> provider = nullptr);

  // Reads the fields below in their declared order; a conversion error leaves the fields before
  // the failing one holding the new instance and the rest the old one.
  void SetCollectionIndex(int32_t Index) override;

  std::string Caption;
  std::string CreationClassName;
  double Depth = 0.0;
  std::string Description;
  double Height = 0.0;
  bool HotSwappable = false;
  TDateTime InstallDate = 0;
  uint16_t Location = 0;
  std::string Manufacturer;
  uint32_t MaxCapacity = 0;  // kilobytes; cannot hold 4 TB or more
  uint16_t MemoryDevices = 0;  // slots
  uint16_t MemoryErrorCorrection = 0;
  std::string Model;
  std::string Name;
  std::string OtherIdentifyingInfo;
  std::string PartNumber;
  bool PoweredOn = false;
  bool Removable = false;
  bool Replaceable = false;
  std::string SerialNumber;
  std::string SKU;
  std::string Status;
  std::string Tag;
  uint16_t Use = 0;
  std::string Version;
  double Weight = 0.0;
  double Width = 0.0;
  // Kilobytes, 64 bits; Windows 10 and later only, 0 where the class lacks it.
  int64_t MaxCapacityEx = 0;
};
