#include "inventory/wmi/converters.h"

#include <string_view>

namespace {

// CIM date-time texts hold 14 digits and then at least the point: shorter texts carry no date.
constexpr size_t kMinimumCimLength = 15;

// One fixed-width part of a CIM date-time: decimal digits only.
int CimPart(std::string_view text, size_t offset, size_t width) {
  int value = 0;
  for (char c : text.substr(offset, width)) {
    if (c < '0' || c > '9') {
      throw ConversionError("'" + std::string(text.substr(offset, width)) +
                            "' is not a valid integer value");
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string ValueToString(const PropertyValue& value) {
  return value.IsNull() ? std::string() : value.AsText();
}

uint16_t ValueToWord(const PropertyValue& value) {
  return value.IsNull() ? 0 : static_cast<uint16_t>(value.AsInt64());
}

int64_t ValueToInt64(const PropertyValue& value) {
  return value.IsNull() ? 0 : value.AsInt64();
}

uint32_t ValueToCardinal(const PropertyValue& value) {
  return value.IsNull() ? 0 : static_cast<uint32_t>(value.AsInt64());
}

bool ValueToBoolean(const PropertyValue& value) {
  return value.IsNull() ? false : value.AsBoolean();
}

double ValueToDouble(const PropertyValue& value) {
  return value.IsNull() ? 0.0 : value.AsReal();
}

TDateTime ValueToDateTime(const PropertyValue& value) {
  // A date the provider already delivers as a date needs no text round trip.
  if (value.Kind() == ValueKind::Date) return value.AsReal();
  const std::string text = ValueToString(value);
  if (text.size() < kMinimumCimLength) return 0;
  return EncodeDateTime(CimPart(text, 0, 4), CimPart(text, 4, 2), CimPart(text, 6, 2),
                        CimPart(text, 8, 2), CimPart(text, 10, 2), CimPart(text, 12, 2));
}
