#include "inventory/wmi/wmi_class.h"

#include <algorithm>
#include <stdexcept>

#include "inventory/wmi/text_number.h"

namespace {

constexpr int32_t kReturnImmediatelyForwardOnly = 16 + 32;

}  // namespace

TWmiClass::TWmiClass(bool LoadNow, std::string NameSpace, std::string WmiClassName,
                     std::shared_ptr<WmiProvider> provider)
    : FConnection(std::move(provider)), FWmiClassName(std::move(WmiClassName)) {
  FConnection.NameSpace = std::move(NameSpace);
  LoadOnCreate(LoadNow);
}

TWmiClass::~TWmiClass() { ClearRows(); }

void TWmiClass::LoadOnCreate(bool LoadNow) {
  if (LoadNow) FActive = Load();
}

bool TWmiClass::Load() {
  ClearRows();
  try {
    FConnection.Connect(false);
    std::unique_ptr<WmiEnumerator> items = FConnection.Services->ExecQuery(
        "SELECT * FROM " + FWmiClassName, "WQL", kReturnImmediatelyForwardOnly);
    FClassObject = ::PropertyValue(FConnection.Services->Get(FWmiClassName));
    std::shared_ptr<WmiInstance> item;
    while (items->Next(item)) {
      if (!item) throw WmiError("The WMI enumerator delivered no object");
      AppendRow(*item, item);
      item.reset();
    }
    if (!FRows.empty()) SetCollectionIndex(0);
    return true;
  } catch (...) {
    // A failed load shows only as Count = -1; its rows stay until the next load.
    return false;
  }
}

void TWmiClass::AppendRow(WmiInstance& item, const std::shared_ptr<WmiInstance>& holder) {
  std::unique_ptr<WmiPropertySet> properties = item.Properties();
  if (FPropertyNames.empty()) FPropertyNames = properties->Names();
  TDataWmiClass& row = FRows.emplace_back();
  row.Values.resize(FPropertyNames.size());
  row.Holder.Value = ::PropertyValue(std::shared_ptr<WmiObject>(holder));
  for (size_t i = 0; i < FPropertyNames.size(); ++i) {
    row.Values[i] = properties->Value(FPropertyNames[i]);
  }
}

int32_t TWmiClass::Count() const {
  return FActive ? static_cast<int32_t>(FRows.size()) : -1;
}

void TWmiClass::SetCollectionIndex(int32_t) {
  throw std::logic_error("You must override this method SetCollectionIndex");
}

bool TWmiClass::MoveCursor(int32_t Index) {
  if (Index < 0 || Index >= static_cast<int32_t>(FRows.size()) || Index == FCurrentIndex) {
    return false;
  }
  FCurrentIndex = Index;
  return true;
}

int32_t TWmiClass::IndexOfValue(const std::string& PropertyName,
                                const ::PropertyValue& Value) const {
  if (!FActive) return -1;
  for (int32_t i = 0; i < static_cast<int32_t>(FRows.size()); ++i) {
    if (PropertyValueAt(PropertyName, i) == Value) return i;
  }
  return -1;
}

::PropertyValue TWmiClass::PropertyValue(std::string_view Name) const {
  return PropertyValueRefAt(Name, FCurrentIndex);
}

::PropertyValue TWmiClass::PropertyValueAt(std::string_view Name, int32_t Index) const {
  return PropertyValueRefAt(Name, Index);
}

const ::PropertyValue& TWmiClass::PropertyValueRef(std::string_view Name) const {
  return PropertyValueRefAt(Name, FCurrentIndex);
}

const ::PropertyValue& TWmiClass::PropertyValueRefAt(std::string_view Name, int32_t Index) const {
  static const ::PropertyValue kNull = ::PropertyValue::Null();
  const int32_t at = NameIndex(Name);
  if (at < 0 || Index < 0 || Index >= static_cast<int32_t>(FRows.size())) return kNull;
  const std::vector<::PropertyValue>& values = FRows[Index].Values;
  return static_cast<size_t>(at) < values.size() ? values[at] : kNull;
}

// A reader asks for its fields in a fixed order that mostly follows the order WMI enumerates
// them in, so the search starts after the last name found and usually hits within a step or two.
int32_t TWmiClass::NameIndex(std::string_view Name) const {
  const size_t count = FPropertyNames.size();
  size_t at = FNextName < count ? FNextName : 0;
  for (size_t step = 0; step < count; ++step, at = at + 1 < count ? at + 1 : 0) {
    // The length first: it rules out nearly every other name without a call.
    if (FPropertyNames[at].size() == Name.size() && SameTextAscii(FPropertyNames[at], Name)) {
      FNextName = at + 1;
      return static_cast<int32_t>(at);
    }
  }
  return -1;
}

void TWmiClass::ClearRows() {
  FRows.clear();
  FCurrentIndex = -1;
}
