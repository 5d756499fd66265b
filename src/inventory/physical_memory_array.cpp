#include "inventory/physical_memory_array.h"

#include "inventory/wmi/converters.h"

TWin32_PhysicalMemoryArray::TWin32_PhysicalMemoryArray(bool LoadNow,
                                                       std::shared_ptr<WmiProvider> provider)
    : TWmiClass(false, "root\\CIMV2", "Win32_PhysicalMemoryArray", std::move(provider)) {
  LoadOnCreate(LoadNow);
}

void TWin32_PhysicalMemoryArray::SetCollectionIndex(int32_t Index) {
  if (!MoveCursor(Index)) return;
  Caption = ValueToString(PropertyValueRef("Caption"));
  CreationClassName = ValueToString(PropertyValueRef("CreationClassName"));
  Depth = ValueToDouble(PropertyValueRef("Depth"));
  Description = ValueToString(PropertyValueRef("Description"));
  Height = ValueToDouble(PropertyValueRef("Height"));
  HotSwappable = ValueToBoolean(PropertyValueRef("HotSwappable"));
  InstallDate = ValueToDateTime(PropertyValueRef("InstallDate"));
  Location = ValueToWord(PropertyValueRef("Location"));
  Manufacturer = ValueToString(PropertyValueRef("Manufacturer"));
  MaxCapacity = ValueToCardinal(PropertyValueRef("MaxCapacity"));
  MemoryDevices = ValueToWord(PropertyValueRef("MemoryDevices"));
  MemoryErrorCorrection = ValueToWord(PropertyValueRef("MemoryErrorCorrection"));
  Model = ValueToString(PropertyValueRef("Model"));
  Name = ValueToString(PropertyValueRef("Name"));
  OtherIdentifyingInfo = ValueToString(PropertyValueRef("OtherIdentifyingInfo"));
  PartNumber = ValueToString(PropertyValueRef("PartNumber"));
  PoweredOn = ValueToBoolean(PropertyValueRef("PoweredOn"));
  Removable = ValueToBoolean(PropertyValueRef("Removable"));
  Replaceable = ValueToBoolean(PropertyValueRef("Replaceable"));
  SerialNumber = ValueToString(PropertyValueRef("SerialNumber"));
  SKU = ValueToString(PropertyValueRef("SKU"));
  Status = ValueToString(PropertyValueRef("Status"));
  Tag = ValueToString(PropertyValueRef("Tag"));
  Use = ValueToWord(PropertyValueRef("Use"));
  Version = ValueToString(PropertyValueRef("Version"));
  Weight = ValueToDouble(PropertyValueRef("Weight"));
  Width = ValueToDouble(PropertyValueRef("Width"));
  MaxCapacityEx = ValueToInt64(PropertyValueRef("MaxCapacityEx"));
}
