#include "inventory/physical_memory.h"

#include "inventory/wmi/converters.h"

TWin32_PhysicalMemory::TWin32_PhysicalMemory(bool LoadNow, std::shared_ptr<WmiProvider> provider)
    : TWmiClass(false, "root\\CIMV2", "Win32_PhysicalMemory", std::move(provider)) {
  LoadOnCreate(LoadNow);
}

void TWin32_PhysicalMemory::SetCollectionIndex(int32_t Index) {
  if (!MoveCursor(Index)) return;
  BankLabel = ValueToString(PropertyValueRef("BankLabel"));
  Capacity = ValueToInt64(PropertyValueRef("Capacity"));
  Caption = ValueToString(PropertyValueRef("Caption"));
  CreationClassName = ValueToString(PropertyValueRef("CreationClassName"));
  DataWidth = ValueToWord(PropertyValueRef("DataWidth"));
  Description = ValueToString(PropertyValueRef("Description"));
  DeviceLocator = ValueToString(PropertyValueRef("DeviceLocator"));
  FormFactor = ValueToWord(PropertyValueRef("FormFactor"));
  HotSwappable = ValueToBoolean(PropertyValueRef("HotSwappable"));
  InstallDate = ValueToDateTime(PropertyValueRef("InstallDate"));
  InterleaveDataDepth = ValueToWord(PropertyValueRef("InterleaveDataDepth"));
  InterleavePosition = ValueToCardinal(PropertyValueRef("InterleavePosition"));
  Manufacturer = ValueToString(PropertyValueRef("Manufacturer"));
  MemoryType = ValueToWord(PropertyValueRef("MemoryType"));
  Model = ValueToString(PropertyValueRef("Model"));
  Name = ValueToString(PropertyValueRef("Name"));
  OtherIdentifyingInfo = ValueToString(PropertyValueRef("OtherIdentifyingInfo"));
  PartNumber = ValueToString(PropertyValueRef("PartNumber"));
  PositionInRow = ValueToCardinal(PropertyValueRef("PositionInRow"));
  PoweredOn = ValueToBoolean(PropertyValueRef("PoweredOn"));
  Removable = ValueToBoolean(PropertyValueRef("Removable"));
  Replaceable = ValueToBoolean(PropertyValueRef("Replaceable"));
  SerialNumber = ValueToString(PropertyValueRef("SerialNumber"));
  SKU = ValueToString(PropertyValueRef("SKU"));
  Speed = ValueToCardinal(PropertyValueRef("Speed"));
  Status = ValueToString(PropertyValueRef("Status"));
  Tag = ValueToString(PropertyValueRef("Tag"));
  TotalWidth = ValueToWord(PropertyValueRef("TotalWidth"));
  TypeDetail = ValueToWord(PropertyValueRef("TypeDetail"));
  Version = ValueToString(PropertyValueRef("Version"));
  SMBIOSMemoryType = ValueToWord(PropertyValueRef("SMBIOSMemoryType"));
}
