#pragma once
// The base of the typed WMI readers: one query loads every instance of a class with all its
// property values; afterwards a cursor selects one cached instance, and each reader copies the
// selected instance into its typed fields without asking WMI again.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inventory/wmi/property_value.h"
#include "inventory/wmi/wmi_connection.h"

// Keeps the provider's instance object alive alongside its copied values.
struct TVariantValueClass {
  ::PropertyValue Value;
};

// One cached instance: value i belongs to name i of PropertyNames.
struct TDataWmiClass {
  std::vector<::PropertyValue> Values;
  TVariantValueClass Holder;
};

class TWmiClass {
 public:
  // Loads at once when LoadNow. A subclass passes false here and calls LoadOnCreate from its own
  // constructor: during this constructor the subclass's SetCollectionIndex is not yet in place.
  TWmiClass(bool LoadNow, std::string NameSpace, std::string WmiClassName,
            std::shared_ptr<WmiProvider> provider = nullptr);
  virtual ~TWmiClass();
  TWmiClass(const TWmiClass&) = delete;
  TWmiClass& operator=(const TWmiClass&) = delete;

  // Reads every instance; false on any failure (nothing is raised). Selects the first instance.
  bool Load();
  // The number of instances, or -1 when the constructor's load failed.
  int32_t Count() const;
  // Selects instance Index and fills the subclass's fields; an index out of range or equal to
  // the current one changes nothing. The base raises: every reader overrides it.
  virtual void SetCollectionIndex(int32_t Index);
  // The first instance whose property equals Value (variant equality), or -1.
  virtual int32_t IndexOfValue(const std::string& PropertyName, const ::PropertyValue& Value) const;
  // The property of the selected instance, or of instance Index. A name that is not a property
  // of the class (letter case ignored), or an index with no instance, reads as null.
  ::PropertyValue PropertyValue(std::string_view Name) const;
  ::PropertyValue PropertyValueAt(std::string_view Name, int32_t Index) const;
  // The same without a copy: valid while the row is; a null for a name or row not there.
  const ::PropertyValue& PropertyValueRef(std::string_view Name) const;
  const ::PropertyValue& PropertyValueRefAt(std::string_view Name, int32_t Index) const;
  // Drops every cached instance; the property names stay.
  void ClearRows();

  const std::string& WmiClassName() const { return FWmiClassName; }
  const std::vector<std::string>& PropertyNames() const { return FPropertyNames; }
  const std::vector<TDataWmiClass>& Rows() const { return FRows; }
  const ::PropertyValue& ClassObject() const { return FClassObject; }
  TWmiConnection& Connection() { return FConnection; }
  bool Active() const { return FActive; }
  int32_t CurrentIndex() const { return FCurrentIndex; }

 protected:
  void LoadOnCreate(bool LoadNow);
  // For a SetCollectionIndex override: moves the cursor to Index and returns true when the
  // fields must be read, false when the index is out of range or already selected.
  bool MoveCursor(int32_t Index);

 private:
  int32_t NameIndex(std::string_view Name) const;
  void AppendRow(WmiInstance& item, const std::shared_ptr<WmiInstance>& holder);

  TWmiConnection FConnection;
  std::string FWmiClassName;
  ::PropertyValue FClassObject;
  bool FActive = false;
  std::vector<std::string> FPropertyNames;
  mutable size_t FNextName = 0;  // where the next name lookup starts
  std::vector<TDataWmiClass> FRows;
  int32_t FCurrentIndex = -1;
};
