#include "inventory/physical_memory.h"

#include "inventory/wmi/converters.h"

TWin32_PhysicalMemory::TWin32_PhysicalMemory(bool LoadNow, std::shared_ptr<WmiProvider> provider)
    : TWmiClass(false, "root\\CIMV2", "Win32_PhysicalMemory", std::move(provider)) {
  LoadOnCreate(LoadNow);
}

void TWin32_PhysicalMemory::SetCollectionIndex(int32_t Index) {
  if (!MoveCursor(Index)) return;
  BankLabel = ValueToString(PropertyValue("BankLabel"));
  Capacity = ValueToInt64(PropertyValue("Capacity"));
  Caption = ValueToString(PropertyValue("Caption"));
  CreationClassName = ValueToString(PropertyValue("CreationClassName"));
  DataWidth = ValueToWord(PropertyValue("DataWidth"));
  Description = ValueToString(PropertyValue("Description"));
  DeviceLocator = ValueToString(PropertyValue("DeviceLocator"));
  FormFactor = ValueToWord(PropertyValue("FormFactor"));
  HotSwappable = ValueToBoolean(PropertyValue("HotSwappable"));
  InstallDate = ValueToDateTime(PropertyValue("InstallDate"));
  InterleaveDataDepth = ValueToWord(PropertyValue("InterleaveDataDepth"));
  InterleavePosition = ValueToCardinal(PropertyValue("InterleavePosition"));
  Manufacturer = ValueToString(PropertyValue("Manufacturer"));
  MemoryType = ValueToWord(PropertyValue("MemoryType"));
  Model = ValueToString(PropertyValue("Model"));
  Name = ValueToString(PropertyValue("Name"));
  OtherIdentifyingInfo = ValueToString(PropertyValue("OtherIdentifyingInfo"));
  PartNumber = ValueToString(PropertyValue("PartNumber"));
  PositionInRow = ValueToCardinal(PropertyValue("PositionInRow"));
  PoweredOn = ValueToBoolean(PropertyValue("PoweredOn"));
  Removable = ValueToBoolean(PropertyValue("Removable"));
  Replaceable = ValueToBoolean(PropertyValue("Replaceable"));
  SerialNumber = ValueToString(PropertyValue("SerialNumber"));
  SKU = ValueToString(PropertyValue("SKU"));
  Speed = ValueToCardinal(PropertyValue("Speed"));
  Status = ValueToString(PropertyValue("Status"));
  Tag = ValueToString(PropertyValue("Tag"));
  TotalWidth = ValueToWord(PropertyValue("TotalWidth"));
  TypeDetail = ValueToWord(PropertyValue("TypeDetail"));
  Version = ValueToString(PropertyValue("Version"));
  SMBIOSMemoryType = ValueToWord(PropertyValue("SMBIOSMemoryType"));
}
