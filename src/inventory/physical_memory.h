#pragma once
// Reader of the WMI class Win32_PhysicalMemory: one instance per installed memory module.
#include <cstdint>
#include <memory>
#include <string>

#include "inventory/wmi/date_time.h"
#include "inventory/wmi/wmi_class.h"

class TWin32_PhysicalMemory : public TWmiClass {
 public:
  // With LoadNow the instances are loaded at once and the first one is selected.
  explicit TWin32_PhysicalMemory(bool LoadNow, std::shared_ptr<WmiProvider> provider = nullptr);

  // Reads the fields below in their declared order; a conversion error leaves the fields before
  // the failing one holding the new instance and the rest the old one.
  void SetCollectionIndex(int32_t Index) override;

  std::string BankLabel;
  int64_t Capacity = 0;  // bytes
  std::string Caption;
  std::string CreationClassName;
  uint16_t DataWidth = 0;
  std::string Description;
  std::string DeviceLocator;
  uint16_t FormFactor = 0;
  bool HotSwappable = false;
  TDateTime InstallDate = 0;
  uint16_t InterleaveDataDepth = 0;
  uint32_t InterleavePosition = 0;
  std::string Manufacturer;
  uint16_t MemoryType = 0;
  std::string Model;
  std::string Name;
  std::string OtherIdentifyingInfo;
  std::string PartNumber;
  uint32_t PositionInRow = 0;
  bool PoweredOn = false;
  bool Removable = false;
  bool Replaceable = false;
  std::string SerialNumber;
  std::string SKU;
  uint32_t Speed = 0;
  std::string Status;
  std::string Tag;
  uint16_t TotalWidth = 0;
  uint16_t TypeDetail = 0;
  std::string Version;
  // SMBIOS memory type byte; Windows 10 and later only, 0 where the class lacks it.
  uint16_t SMBIOSMemoryType = 0;
};
