#pragma once
// A VARIANT as WMI delivers it, turned into our own property value.
#include <windows.h>
#include <oleauto.h>

#include "inventory/wmi/property_value.h"

// Arrays, which none of the classes we read uses, become empty values.
PropertyValue VariantToValue(const VARIANT& v);
