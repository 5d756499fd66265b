#include "inventory/wmi/property_value.h"

#include <cmath>
#include <cstdio>

#include "inventory/wmi/date_time.h"
#include "inventory/wmi/text_number.h"

namespace {

// VARIANT_TRUE is -1: that is what a Boolean becomes as a number.
constexpr int64_t kTrueAsInteger = -1;

[[noreturn]] void RaiseConversion(const char* from, const char* to) {
  throw ConversionError(std::string("Could not convert variant of type (") + from +
                        ") into type (" + to + ")");
}

const char* KindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Empty: return "Empty";
    case ValueKind::Null: return "Null";
    case ValueKind::Int32: return "Integer";
    case ValueKind::Int64: return "Int64";
    case ValueKind::Real: return "Double";
    case ValueKind::Boolean: return "Boolean";
    case ValueKind::Text: return "String";
    case ValueKind::Date: return "Date";
    case ValueKind::Object: return "Object";
  }
  return "Unknown";
}

// Rounds to the nearest integer, ties to even, as COM's variant conversion does.
int64_t RealToInt64(double v, ValueKind from) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  const double r = std::nearbyint(v);
  if (std::isnan(r) || r >= kLimit || r < -kLimit) RaiseConversion(KindName(from), "Int64");
  return static_cast<int64_t>(r);
}

std::string RealToText(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15g", v);  // the 15 significant digits of VARIANT text
  return buf;
}

}  // namespace

PropertyValue PropertyValue::Null() {
  PropertyValue v;
  v.data_ = NullTag{};
  return v;
}

PropertyValue PropertyValue::Date(double days) {
  PropertyValue v;
  v.data_ = DateTag{days};
  return v;
}

ValueKind PropertyValue::Kind() const {
  static constexpr ValueKind kByIndex[] = {ValueKind::Empty, ValueKind::Null,    ValueKind::Int32,
                                           ValueKind::Int64, ValueKind::Real,    ValueKind::Boolean,
                                           ValueKind::Text,  ValueKind::Date,    ValueKind::Object};
  return kByIndex[data_.index()];
}

std::string PropertyValue::AsText() const {
  switch (Kind()) {
    case ValueKind::Empty: return {};
    case ValueKind::Int32: return std::to_string(std::get<int32_t>(data_));
    case ValueKind::Int64: return std::to_string(std::get<int64_t>(data_));
    case ValueKind::Real: return RealToText(std::get<double>(data_));
    case ValueKind::Boolean: return std::get<bool>(data_) ? "True" : "False";
    case ValueKind::Text: return std::get<std::string>(data_);
    case ValueKind::Date: return FormatDateTime(std::get<DateTag>(data_).days);
    default: RaiseConversion(KindName(Kind()), "String");
  }
}

int64_t PropertyValue::AsInt64() const {
  switch (Kind()) {
    case ValueKind::Empty: return 0;
    case ValueKind::Int32: return std::get<int32_t>(data_);
    case ValueKind::Int64: return std::get<int64_t>(data_);
    case ValueKind::Real: return RealToInt64(std::get<double>(data_), ValueKind::Real);
    case ValueKind::Boolean: return std::get<bool>(data_) ? kTrueAsInteger : 0;
    case ValueKind::Date: return RealToInt64(std::get<DateTag>(data_).days, ValueKind::Date);
    case ValueKind::Text: {
      const std::string& text = std::get<std::string>(data_);
      if (auto whole = ParseWholeInt64(text)) return *whole;
      if (auto real = ParseWholeReal(text)) return RealToInt64(*real, ValueKind::Text);
      RaiseConversion("String", "Int64");
    }
    default: RaiseConversion(KindName(Kind()), "Int64");
  }
}

double PropertyValue::AsReal() const {
  switch (Kind()) {
    case ValueKind::Empty: return 0.0;
    case ValueKind::Int32: return std::get<int32_t>(data_);
    case ValueKind::Int64: return static_cast<double>(std::get<int64_t>(data_));
    case ValueKind::Real: return std::get<double>(data_);
    case ValueKind::Boolean: return std::get<bool>(data_) ? kTrueAsInteger : 0.0;
    case ValueKind::Date: return std::get<DateTag>(data_).days;
    case ValueKind::Text:
      if (auto real = ParseWholeReal(std::get<std::string>(data_))) return *real;
      RaiseConversion("String", "Double");
    default: RaiseConversion(KindName(Kind()), "Double");
  }
}

bool PropertyValue::AsBoolean() const {
  switch (Kind()) {
    case ValueKind::Empty: return false;
    case ValueKind::Int32: return std::get<int32_t>(data_) != 0;
    case ValueKind::Int64: return std::get<int64_t>(data_) != 0;
    case ValueKind::Real: return std::get<double>(data_) != 0.0;
    case ValueKind::Boolean: return std::get<bool>(data_);
    case ValueKind::Date: return std::get<DateTag>(data_).days != 0.0;
    case ValueKind::Text: {
      const std::string& text = std::get<std::string>(data_);
      if (auto word = ParseBooleanWord(text)) return *word;
      if (auto real = ParseWholeReal(text)) return *real != 0.0;
      RaiseConversion("String", "Boolean");
    }
    default: RaiseConversion(KindName(Kind()), "Boolean");
  }
}

std::shared_ptr<WmiObject> PropertyValue::AsObject() const {
  if (Kind() == ValueKind::Object) return std::get<std::shared_ptr<WmiObject>>(data_);
  if (Kind() == ValueKind::Empty) return nullptr;
  RaiseConversion(KindName(Kind()), "Object");
}

namespace {

bool IsNumeric(ValueKind k) {
  return k == ValueKind::Int32 || k == ValueKind::Int64 || k == ValueKind::Real;
}

bool IsInteger(ValueKind k) { return k == ValueKind::Int32 || k == ValueKind::Int64; }

}  // namespace

// Variant equality: numbers compare by value whatever their width, a text compares with a
// number by its numeric value, null equals only null; anything else needs the same kind.
bool operator==(const PropertyValue& a, const PropertyValue& b) {
  const ValueKind ka = a.Kind(), kb = b.Kind();
  if (IsInteger(ka) && IsInteger(kb)) return a.AsInt64() == b.AsInt64();
  if (IsNumeric(ka) && IsNumeric(kb)) return a.AsReal() == b.AsReal();
  if ((IsNumeric(ka) && kb == ValueKind::Text) || (ka == ValueKind::Text && IsNumeric(kb))) {
    const PropertyValue& text = ka == ValueKind::Text ? a : b;
    const PropertyValue& number = ka == ValueKind::Text ? b : a;
    const std::string& digits = std::get<std::string>(text.data_);
    if (IsInteger(number.Kind())) {
      // Whole numbers beyond 2^53 lose digits as reals: compare them as integers.
      if (auto whole = ParseWholeInt64(digits)) return *whole == number.AsInt64();
    }
    auto parsed = ParseWholeReal(digits);
    return parsed && *parsed == number.AsReal();
  }
  return a.data_ == b.data_;
}
