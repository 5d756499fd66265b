#include "inventory/wmi/com_variant_win32.h"

#include "inventory/wmi/com_ptr_win32.h"
#include "support/files/text_convert.h"

namespace {

// An interface pointer held inside a property value.
class ComObject : public WmiObject {
 public:
  explicit ComObject(IUnknown* unknown) : unknown_(unknown) {
    if (unknown_) unknown_->AddRef();
  }
  ~ComObject() override {
    if (unknown_) unknown_->Release();
  }

 private:
  IUnknown* unknown_;
};

PropertyValue TextValue(BSTR bstr, WmiText text) {
  if (text == WmiText::Ansi) {
    return PropertyValue(WideToAnsi(bstr, static_cast<int>(SysStringLen(bstr))));
  }
  return PropertyValue(bstr ? WideToUtf8(std::wstring(bstr, SysStringLen(bstr))) : std::string());
}

// Types WMI does not normally deliver: take their text when COM can give one.
PropertyValue OtherValue(const VARIANT& v, WmiText text) {
  ScopedVariant converted;
  // The source is only read; the API just lacks the const.
  VARIANT* source = const_cast<VARIANT*>(&v);
  if (FAILED(VariantChangeType(converted.Put(), source, 0, VT_BSTR))) return PropertyValue();
  return TextValue(converted.Get().bstrVal, text);
}

PropertyValue Unsigned32(ULONG v) {
  return v > 0x7FFFFFFFu ? PropertyValue(static_cast<int64_t>(v))
                         : PropertyValue(static_cast<int32_t>(v));
}

}  // namespace

PropertyValue VariantToValue(const VARIANT& v, WmiText text) {
  if (v.vt & (VT_ARRAY | VT_BYREF)) return PropertyValue();
  switch (v.vt) {
    case VT_EMPTY: return PropertyValue();
    case VT_NULL: return PropertyValue::Null();
    case VT_I1: return PropertyValue(static_cast<int32_t>(v.cVal));
    case VT_UI1: return PropertyValue(static_cast<int32_t>(v.bVal));
    case VT_I2: return PropertyValue(static_cast<int32_t>(v.iVal));
    case VT_UI2: return PropertyValue(static_cast<int32_t>(v.uiVal));
    case VT_I4: return PropertyValue(static_cast<int32_t>(v.lVal));
    case VT_INT: return PropertyValue(static_cast<int32_t>(v.intVal));
    case VT_UI4: return Unsigned32(v.ulVal);
    case VT_UINT: return Unsigned32(v.uintVal);
    case VT_I8: return PropertyValue(static_cast<int64_t>(v.llVal));
    case VT_R4: return PropertyValue(static_cast<double>(v.fltVal));
    case VT_R8: return PropertyValue(v.dblVal);
    case VT_BOOL: return PropertyValue(v.boolVal != VARIANT_FALSE);
    case VT_BSTR: return TextValue(v.bstrVal, text);
    case VT_DATE: return PropertyValue::Date(v.date);
    case VT_UNKNOWN: return PropertyValue(std::shared_ptr<WmiObject>(new ComObject(v.punkVal)));
    case VT_DISPATCH: return PropertyValue(std::shared_ptr<WmiObject>(new ComObject(v.pdispVal)));
    default: return OtherValue(v, text);
  }
}
