#include "inventory/physical_memory_array.h"

#include "inventory/wmi/converters.h"

TWin32_PhysicalMemoryArray::TWin32_PhysicalMemoryArray(bool LoadNow,
                                                       std::shared_ptr<WmiProvider> provider)
    : TWmiClass(false, "root\\CIMV2", "Win32_PhysicalMemoryArray", std::move(provider)) {
  LoadOnCreate(LoadNow);
}

void TWin32_PhysicalMemoryArray::SetCollectionIndex(int32_t Index) {
  if (!MoveCursor(Index)) return;
  Caption = ValueToString(PropertyValue("Caption"));
  CreationClassName = ValueToString(PropertyValue("CreationClassName"));
  Depth = ValueToDouble(PropertyValue("Depth"));
  Description = ValueToString(PropertyValue("Description"));
  Height = ValueToDouble(PropertyValue("Height"));
  HotSwappable = ValueToBoolean(PropertyValue("HotSwappable"));
  InstallDate = ValueToDateTime(PropertyValue("InstallDate"));
  Location = ValueToWord(PropertyValue("Location"));
  Manufacturer = ValueToString(PropertyValue("Manufacturer"));
  MaxCapacity = ValueToCardinal(PropertyValue("MaxCapacity"));
  MemoryDevices = ValueToWord(PropertyValue("MemoryDevices"));
  MemoryErrorCorrection = ValueToWord(PropertyValue("MemoryErrorCorrection"));
  Model = ValueToString(PropertyValue("Model"));
  Name = ValueToString(PropertyValue("Name"));
  OtherIdentifyingInfo = ValueToString(PropertyValue("OtherIdentifyingInfo"));
  PartNumber = ValueToString(PropertyValue("PartNumber"));
  PoweredOn = ValueToBoolean(PropertyValue("PoweredOn"));
  Removable = ValueToBoolean(PropertyValue("Removable"));
  Replaceable = ValueToBoolean(PropertyValue("Replaceable"));
  SerialNumber = ValueToString(PropertyValue("SerialNumber"));
  SKU = ValueToString(PropertyValue("SKU"));
  Status = ValueToString(PropertyValue("Status"));
  Tag = ValueToString(PropertyValue("Tag"));
  Use = ValueToWord(PropertyValue("Use"));
  Version = ValueToString(PropertyValue("Version"));
  Weight = ValueToDouble(PropertyValue("Weight"));
  Width = ValueToDouble(PropertyValue("Width"));
  MaxCapacityEx = ValueToInt64(PropertyValue("MaxCapacityEx"));
}
