#pragma once
// Owners of Automation values, beside the handle owners of scoped_win.h: a VARIANT is empty from
// the moment it exists and cleared when its owner goes, so no road (an early return, a callee that
// fails before writing its out-parameter) ever clears what was never initialised.
#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace rt {

class Variant {
 public:
  Variant() noexcept { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& o) noexcept : v_(o.v_) { VariantInit(&o.v_); }
  Variant& operator=(Variant&& o) noexcept {
    if (this != &o) {
      reset();
      v_ = o.v_;
      VariantInit(&o.v_);
    }
    return *this;
  }

  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }
  const VARIANT& operator*() const { return v_; }
  // For an out-parameter: the old value is cleared first.
  VARIANT* put() {
    reset();
    return &v_;
  }
  void reset() {
    VariantClear(&v_);
    VariantInit(&v_);
  }
  // Hands the value over (to a caller's out-parameter), leaving this empty.
  VARIANT release() {
    VARIANT out = v_;
    VariantInit(&v_);
    return out;
  }
  VARTYPE vt() const { return V_VT(&v_); }

  // Converts the value in place (following a reference); on failure the value is as it was.
  HRESULT ChangeType(VARTYPE type) { return VariantChangeType(&v_, &v_, 0, type); }
  // This becomes from converted to type; from stays the caller's.
  HRESULT ChangeTypeOf(const VARIANT& from, VARTYPE type) {
    return VariantChangeType(put(), const_cast<VARIANT*>(&from), 0, type);
  }

 private:
  VARIANT v_;
};

// The argument array of a call (DISPPARAMS::rgvarg): every element empty from the start and
// cleared at the end.
class VariantArray {
 public:
  explicit VariantArray(size_t n) : items_(n) {
    for (VARIANT& v : items_) VariantInit(&v);
  }
  ~VariantArray() {
    for (VARIANT& v : items_) VariantClear(&v);
  }
  VariantArray(const VariantArray&) = delete;
  VariantArray& operator=(const VariantArray&) = delete;

  VARIANT* data() { return items_.data(); }
  VARIANT& operator[](size_t i) { return items_[i]; }
  size_t size() const { return items_.size(); }
  UINT count() const { return static_cast<UINT>(items_.size()); }

 private:
  std::vector<VARIANT> items_;
};

// Owns one BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(BSTR adopted) : b_(adopted) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
  Bstr& operator=(Bstr&& o) noexcept {
    if (this != &o) reset(std::exchange(o.b_, nullptr));
    return *this;
  }
  BSTR get() const { return b_; }
  BSTR* put() {
    reset();
    return &b_;
  }
  // For an [in, out] argument: the callee may free the text it finds and leave another.
  BSTR* inout() { return &b_; }
  BSTR release() { return std::exchange(b_, nullptr); }
  void reset(BSTR adopted = nullptr) {
    SysFreeString(b_);
    b_ = adopted;
  }

 private:
  BSTR b_ = nullptr;
};

// The exception details of an IDispatch::Invoke, whose three texts become the caller's.
class ExcepInfo {
 public:
  ExcepInfo() = default;
  ~ExcepInfo() { reset(); }
  ExcepInfo(const ExcepInfo&) = delete;
  ExcepInfo& operator=(const ExcepInfo&) = delete;
  EXCEPINFO* get() { return &info_; }
  const EXCEPINFO& operator*() const { return info_; }
  const EXCEPINFO* operator->() const { return &info_; }
  void reset() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
    info_ = EXCEPINFO{};
  }

 private:
  EXCEPINFO info_{};
};

}  // namespace rt
