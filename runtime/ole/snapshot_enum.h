#pragma once
// An IEnumXxx over a copy of a list taken when the enumerator was made: connection points, their
// connections, the items of a collection (VARIANTs). The enumerator owns its copy of every item
// (a reference to its interface, a VARIANT's own copy) and hands each out as a copy of its own,
// which the caller releases.
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "com_entry.h"
#include "com_object.h"

namespace rt::ole {

inline void CopyItem(const CONNECTDATA& from, CONNECTDATA& to) {
  to = from;
  if (to.pUnk) to.pUnk->AddRef();
}
inline void CopyItem(IConnectionPoint* from, IConnectionPoint*& to) {
  to = from;
  if (to) to->AddRef();
}
// A VARIANT that cannot be copied (out of memory) is handed out empty.
inline void CopyItem(const VARIANT& from, VARIANT& to) {
  VariantInit(&to);
  VariantCopy(&to, const_cast<VARIANT*>(&from));
}
inline void ClearItem(CONNECTDATA& c) {
  if (c.pUnk) c.pUnk->Release();
}
inline void ClearItem(IConnectionPoint* p) {
  if (p) p->Release();
}
inline void ClearItem(VARIANT& v) { VariantClear(&v); }

template <class IEnum, class Item>
class SnapshotEnum : public ComObject<SnapshotEnum<IEnum, Item>, IEnum> {
 public:
  static const QITAB kInterfaceTable[];

  explicit SnapshotEnum(const std::vector<Item>& items, size_t position = 0) : items_(items.size()), position_(position) {
    for (size_t i = 0; i < items.size(); ++i) CopyItem(items[i], items_[i]);
  }

  IFACEMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
    return ComEntry([&]() -> HRESULT {
      if (!out || (count > 1 && !fetched)) return E_POINTER;
      ULONG n = 0;
      for (; n < count && position_ < items_.size(); ++n, ++position_) CopyItem(items_[position_], out[n]);
      if (fetched) *fetched = n;
      return n == count ? S_OK : S_FALSE;
    });
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
    return ComEntry([&] {
      return CreateComObject<SnapshotEnum>(__uuidof(IEnum), reinterpret_cast<void**>(out), items_, position_);
    });
  }

 protected:
  ~SnapshotEnum() override {
    for (Item& item : items_) ClearItem(item);
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
