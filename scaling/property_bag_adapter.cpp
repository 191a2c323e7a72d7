#include "property_bag_adapter.h"

#include <string>

#include "scoped_ole.h"
#include "wide_text.h"

namespace amb {
namespace {

VARTYPE VarTypeOf(BagType type) {
  switch (type) {
    case BagType::Boolean: return VT_BOOL;
    case BagType::Integer: return VT_I2;
    case BagType::Long: return VT_I4;
    case BagType::Single: return VT_R4;
    case BagType::String: return VT_BSTR;
  }
  return VT_EMPTY;
}

}  // namespace

HRESULT ToVariant(const BagValue& value, VARIANT* out) {
  VariantInit(out);
  V_VT(out) = VarTypeOf(TypeOf(value));
  switch (TypeOf(value)) {
    case BagType::Boolean: V_BOOL(out) = std::get<bool>(value) ? VARIANT_TRUE : VARIANT_FALSE; break;
    case BagType::Integer: V_I2(out) = std::get<int16_t>(value); break;
    case BagType::Long: V_I4(out) = std::get<int32_t>(value); break;
    case BagType::Single: V_R4(out) = std::get<float>(value); break;
    case BagType::String:
      V_BSTR(out) = AllocBstr(std::get<std::string>(value));
      if (!V_BSTR(out)) {
        V_VT(out) = VT_EMPTY;
        return E_OUTOFMEMORY;
      }
      break;
  }
  return S_OK;
}

HRESULT FromVariant(const VARIANT& in, BagType type, BagValue& out) {
  rt::Variant v;
  HRESULT hr = v.ChangeTypeOf(in, VarTypeOf(type));
  if (FAILED(hr)) return hr;
  switch (type) {
    case BagType::Boolean: out = V_BOOL(v.get()) != VARIANT_FALSE; break;
    case BagType::Integer: out = static_cast<int16_t>(V_I2(v.get())); break;
    case BagType::Long: out = static_cast<int32_t>(V_I4(v.get())); break;
    case BagType::Single: out = V_R4(v.get()); break;
    case BagType::String: out = Utf8FromBstr(V_BSTR(v.get())); break;
  }
  return S_OK;
}

// The bag tells a missing name by E_INVALIDARG; a value of its own choosing (VT_EMPTY asked) is
// then converted here, so a text "12" still reads as a number, as the platform's bag did.
ReadStatus PropertyBagReader::Read(std::string_view name, BagType type, BagValue& out) {
  std::wstring wide = WideFromUtf8(name);
  rt::Variant v;
  HRESULT hr = bag_.Read(wide.c_str(), v.get(), log_);
  if (hr == E_INVALIDARG) return ReadStatus::Missing;
  if (FAILED(hr)) return ReadStatus::Unreadable;
  return SUCCEEDED(FromVariant(*v, type, out)) ? ReadStatus::Found : ReadStatus::Unreadable;
}

bool PropertyBagWriter::Write(std::string_view name, const BagValue& value) {
  rt::Variant v;
  if (FAILED(ToVariant(value, v.get()))) return false;
  std::wstring wide = WideFromUtf8(name);
  return SUCCEEDED(bag_.Write(wide.c_str(), v.get()));
}

}  // namespace amb
