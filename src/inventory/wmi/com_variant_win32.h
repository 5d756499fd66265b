#pragma once
// A VARIANT as WMI delivers it, turned into our own property value.
#include <windows.h>
#include <oleauto.h>

#include "inventory/wmi/property_value.h"
#include "inventory/wmi/wmi_provider.h"

// Arrays, which none of the classes we read uses, become empty values. Texts come out in the
// form asked for.
PropertyValue VariantToValue(const VARIANT& v, WmiText text = WmiText::Ansi);
