#pragma once
// A VARIANT that is initialised when made and cleared when it goes, and a BSTR freed when it goes.
#include <windows.h>
#include <oleauto.h>

namespace amb {

class OwnedVariant {
 public:
  OwnedVariant() { VariantInit(&value_); }
  ~OwnedVariant() { VariantClear(&value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;

  // To fill: whatever it held is cleared first.
  VARIANT* put() {
    VariantClear(&value_);
    return &value_;
  }
  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }
  void Clear() { VariantClear(&value_); }

 private:
  VARIANT value_;
};

class OwnedBstr {
 public:
  explicit OwnedBstr(BSTR text = nullptr) : text_(text) {}
  ~OwnedBstr() { SysFreeString(text_); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;

  BSTR get() const { return text_; }
  BSTR release() {
    BSTR text = text_;
    text_ = nullptr;
    return text;
  }
  void reset(BSTR text = nullptr) {
    if (text != text_) SysFreeString(text_);
    text_ = text;
  }

 private:
  BSTR text_;
};

}  // namespace amb
