#pragma once
// Property value to typed field. A null value (a property that is not set) gives the type's
// default; any other value converts by the variant rules or raises ConversionError.
#include <cstdint>
#include <string>

#include "inventory/wmi/date_time.h"
#include "inventory/wmi/property_value.h"

std::string ValueToString(const PropertyValue& value);   // null: ""
uint16_t ValueToWord(const PropertyValue& value);        // null: 0; low 16 bits of the integer
int64_t ValueToInt64(const PropertyValue& value);        // null: 0; decimal text accepted
uint32_t ValueToCardinal(const PropertyValue& value);    // null: 0; low 32 bits of the integer
bool ValueToBoolean(const PropertyValue& value);         // null: false
double ValueToDouble(const PropertyValue& value);        // null: 0.0
// CIM date-time text "yyyymmddhhmmss.ffffff+zzz"; null or fewer than 15 characters: 0. The
// microseconds and the offset are ignored; a part that is not a number or out of range raises.
TDateTime ValueToDateTime(const PropertyValue& value);
