#pragma once
// A property value as WMI delivers it: the meaning of COM's VARIANT, without COM.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>

class WmiObject;

// Raised when a value cannot be converted to the requested type.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class ValueKind { Empty, Null, Int32, Int64, Real, Boolean, Text, Date, Object };

class PropertyValue {
 public:
  PropertyValue() = default;  // empty
  static PropertyValue Null();
  static PropertyValue Date(double days);  // days since 30 December 1899
  PropertyValue(int32_t v) : data_(v) {}
  PropertyValue(int64_t v) : data_(v) {}
  PropertyValue(double v) : data_(v) {}
  PropertyValue(bool v) : data_(v) {}
  PropertyValue(std::string v) : data_(std::move(v)) {}
  PropertyValue(const char* v) : data_(std::string(v)) {}
  PropertyValue(std::shared_ptr<WmiObject> v) : data_(std::move(v)) {}

  ValueKind Kind() const;
  bool IsNull() const { return Kind() == ValueKind::Null; }
  bool IsEmpty() const { return Kind() == ValueKind::Empty; }

  // Conversions with the variant rules the converters rely on; each raises ConversionError
  // for a value that does not convert.
  std::string AsText() const;
  int64_t AsInt64() const;
  double AsReal() const;
  bool AsBoolean() const;
  std::shared_ptr<WmiObject> AsObject() const;

  friend bool operator==(const PropertyValue& a, const PropertyValue& b);

 private:
  struct NullTag { bool operator==(const NullTag&) const { return true; } };
  struct DateTag { double days; bool operator==(const DateTag& o) const { return days == o.days; } };
  std::variant<std::monostate, NullTag, int32_t, int64_t, double, bool, std::string, DateTag,
               std::shared_ptr<WmiObject>> data_;
};
