#pragma once
// An IEnumXxx over a copy of a list taken when the enumerator was made: connection points, their
// connections, the items of a collection (VARIANTs holding objects). Each item's interface is held
// by the enumerator and handed out with its own reference.
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "com_object.h"

namespace rt::ole {

inline IUnknown* ItemInterface(const CONNECTDATA& c) { return c.pUnk; }
inline IUnknown* ItemInterface(IConnectionPoint* p) { return p; }
inline IUnknown* ItemInterface(const VARIANT& v) { return V_VT(&v) == VT_DISPATCH || V_VT(&v) == VT_UNKNOWN ? V_UNKNOWN(&v) : nullptr; }
inline void HoldItem(IUnknown* item) {
  if (item) item->AddRef();
}
inline void LetGoOfItem(IUnknown* item) {
  if (item) item->Release();
}

template <class IEnum, class Item>
class SnapshotEnum : public ComObject<SnapshotEnum<IEnum, Item>, IEnum> {
 public:
  static const QITAB kInterfaceTable[];

  explicit SnapshotEnum(std::vector<Item> items, size_t position = 0) : items_(std::move(items)), position_(position) {
    for (const Item& item : items_) HoldItem(ItemInterface(item));
  }

  IFACEMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && position_ < items_.size(); ++n, ++position_) {
      out[n] = items_[position_];
      HoldItem(ItemInterface(out[n]));
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  IFACEMETHODIMP Skip(ULONG count) override {
    size_t left = items_.size() - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  IFACEMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  IFACEMETHODIMP Clone(IEnum** out) override {
    return CreateComObject<SnapshotEnum>(__uuidof(IEnum), reinterpret_cast<void**>(out), items_, position_);
  }

 protected:
  ~SnapshotEnum() override {
    for (const Item& item : items_) LetGoOfItem(ItemInterface(item));
  }

 private:
  std::vector<Item> items_;
  size_t position_;
};

template <class IEnum, class Item>
const QITAB SnapshotEnum<IEnum, Item>::kInterfaceTable[] = {
    {&__uuidof(IEnum), 0},
    {nullptr, 0},
};

}  // namespace rt::ole
