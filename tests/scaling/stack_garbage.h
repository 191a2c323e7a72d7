#pragma once
// Leftovers on the stack, as a container's earlier calls leave them: Spread fills the stack below
// its caller with words that, read as a VARIANT at any word boundary, hold an object (VT_UNKNOWN)
// whose Release is counted. A call made next that clears a VARIANT it never initialised releases
// that decoy, where it would otherwise free a garbage pointer.
#include <windows.h>

#include <cstdint>
#include <cstring>

namespace ambtest {

class StackGarbage {
 public:
  StackGarbage() {
    // An allocation starts on a 64 KB boundary, so the decoy's address ends in VT_UNKNOWN: the
    // same word then reads as the type and as the object pointer.
    base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, 0x10000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!base_) return;
    unsigned char* decoy = base_ + VT_UNKNOWN;
    const Vtbl* table = &kVtbl;
    std::memcpy(decoy, &table, sizeof table);
    word_ = reinterpret_cast<uintptr_t>(decoy);
  }
  ~StackGarbage() {
    if (base_) VirtualFree(base_, 0, MEM_RELEASE);
  }
  StackGarbage(const StackGarbage&) = delete;
  StackGarbage& operator=(const StackGarbage&) = delete;

  bool Ready() const { return base_ != nullptr; }
  __attribute__((noinline)) void Spread() const {
    volatile uintptr_t words[8192];
    for (volatile uintptr_t& w : words) w = word_;
  }
  // Releases of the decoy while call runs on a stack full of leftovers: each is a VARIANT
  // cleared without having been initialised.
  template <class F>
  long ReleasesDuring(F&& call) const {
    long before = releases_;
    Spread();
    call();
    return releases_ - before;
  }

 private:
  struct Vtbl {
    HRESULT(STDMETHODCALLTYPE* queryInterface)(void*, REFIID, void**);
    ULONG(STDMETHODCALLTYPE* addRef)(void*);
    ULONG(STDMETHODCALLTYPE* release)(void*);
  };
  static HRESULT STDMETHODCALLTYPE QueryInterface(void*, REFIID, void** out) {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
  }
  static ULONG STDMETHODCALLTYPE AddRef(void*) { return 2; }
  static ULONG STDMETHODCALLTYPE Release(void*) { return static_cast<ULONG>(++releases_); }
  static constexpr Vtbl kVtbl = {&QueryInterface, &AddRef, &Release};

  unsigned char* base_ = nullptr;
  uintptr_t word_ = 0;
  static inline long releases_ = 0;
};

}  // namespace ambtest
