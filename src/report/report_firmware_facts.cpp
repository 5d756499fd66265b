#include "report/report_firmware_facts.h"

#include <algorithm>

#include "inventory/wmi/wmi_class.h"

namespace {

const char* const kModuleClass = "Win32_PhysicalMemory";
const char* const kArrayClass = "Win32_PhysicalMemoryArray";
const char* const kComputerClass = "Win32_ComputerSystem";
const char* const kBoardClass = "Win32_BaseBoard";
const char* const kBiosClass = "Win32_BIOS";
const char* const kNameSpace = "root\\CIMV2";

// Any class, all its properties: the cursor only moves.
class AnyClass : public TWmiClass {
 public:
  AnyClass(const char* name, std::shared_ptr<WmiProvider> provider)
      : TWmiClass(false, kNameSpace, name, std::move(provider)) {
    LoadOnCreate(true);
  }
  void SetCollectionIndex(int32_t index) override { MoveCursor(index); }
};

std::vector<WmiInstanceData> ReadClass(const std::shared_ptr<WmiProvider>& provider,
                                       const char* name, bool& read) {
  AnyClass cls(name, provider);
  std::vector<WmiInstanceData> instances;
  read = cls.Count() >= 0;
  for (const TDataWmiClass& row : cls.Rows()) {
    WmiInstanceData data;
    for (size_t i = 0; i < cls.PropertyNames().size() && i < row.Values.size(); ++i) {
      data.emplace_back(cls.PropertyNames()[i], row.Values[i]);
    }
    instances.push_back(std::move(data));
  }
  return instances;
}

template <typename Data>
auto Find(Data& data, const std::string& name) -> decltype(&data.front().second) {
  for (auto& [n, v] : data) {
    if (n == name) return &v;
  }
  return nullptr;
}

bool IsNull(const PropertyValue* v) { return !v || v->IsNull() || v->IsEmpty(); }

void FillGaps(WmiInstanceData& wmi, const WmiInstanceData& firmware) {
  for (const auto& [name, value] : firmware) {
    if (IsNull(&value)) continue;
    PropertyValue* own = Find(wmi, name);
    if (!own) {
      wmi.emplace_back(name, value);
    } else if (IsNull(own)) {
      *own = value;
    }
  }
}

// Readers load a class only when every instance has every property: give each instance the
// names any of them has, null where it had none.
void SameProperties(std::vector<WmiInstanceData>& instances) {
  std::vector<std::string> names;
  for (const WmiInstanceData& data : instances) {
    for (const auto& [name, value] : data) {
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
  }
  for (WmiInstanceData& data : instances) {
    for (const std::string& name : names) {
      if (!Find(data, name)) data.emplace_back(name, PropertyValue::Null());
    }
  }
}

// The same modules: as many, and every slot name both know the same.
bool SameModules(const std::vector<WmiInstanceData>& wmi, const std::vector<WmiInstanceData>& fw) {
  if (wmi.size() != fw.size()) return false;
  for (size_t i = 0; i < wmi.size(); ++i) {
    const PropertyValue* a = Find(wmi[i], "DeviceLocator");
    const PropertyValue* b = Find(fw[i], "DeviceLocator");
    if (!IsNull(a) && !IsNull(b) && !(*a == *b)) return false;
  }
  return true;
}

const std::vector<WmiInstanceData>& Instances(const WmiClassTable& table, const char* name) {
  static const std::vector<WmiInstanceData> none;
  auto it = table.classes.find(name);
  return it == table.classes.end() ? none : it->second;
}

}  // namespace

WmiClassTable ReadMemoryClasses(std::shared_ptr<WmiProvider> provider) {
  WmiClassTable table;
  for (const char* name : {kModuleClass, kArrayClass, kComputerClass, kBoardClass, kBiosClass}) {
    bool read = false;
    std::vector<WmiInstanceData> instances = ReadClass(provider, name, read);
    if (read) table.classes[name] = std::move(instances);
  }
  return table;
}

LoadedInventory CombineWmiAndFirmware(WmiClassTable wmi, const SmbiosMemoryInventory& firmware) {
  std::optional<std::vector<std::string>> emptySlots;
  std::vector<std::string> emptySlotBanks;
  auto modules = wmi.classes.find(kModuleClass);
  const std::vector<WmiInstanceData>& fwModules = Instances(firmware.classes, kModuleClass);
  if (modules != wmi.classes.end() && SameModules(modules->second, fwModules)) {
    for (size_t i = 0; i < fwModules.size(); ++i) FillGaps(modules->second[i], fwModules[i]);
    SameProperties(modules->second);
    emptySlots = firmware.emptySlots;
    emptySlotBanks = firmware.emptySlotBanks;
  }
  const std::vector<WmiInstanceData>& fwArrays = Instances(firmware.classes, kArrayClass);
  auto arrays = wmi.classes.find(kArrayClass);
  if (arrays == wmi.classes.end() || arrays->second.empty()) {
    if (!fwArrays.empty()) wmi.classes[kArrayClass] = fwArrays;
  } else if (arrays->second.size() == fwArrays.size()) {
    for (size_t i = 0; i < fwArrays.size(); ++i) FillGaps(arrays->second[i], fwArrays[i]);
    SameProperties(arrays->second);
  }
  // The machine's identity: WMI's where it names one, else the firmware's.
  for (const char* name : {kComputerClass, kBoardClass, kBiosClass}) {
    auto own = wmi.classes.find(name);
    const std::vector<WmiInstanceData>& fw = Instances(firmware.classes, name);
    if ((own == wmi.classes.end() || own->second.empty()) && !fw.empty()) wmi.classes[name] = fw;
  }
  LoadedInventory loaded;
  loaded.source = "wmi";
  loaded.provider = MakeInMemoryProvider(std::move(wmi));
  loaded.emptySlots = std::move(emptySlots);
  loaded.emptySlotBanks = std::move(emptySlotBanks);
  return loaded;
}
