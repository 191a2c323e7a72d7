#pragma once
// One small owner per kind of Win32 handle. Non-copyable, movable; each closes with the call
// that matches how the handle was made.
#include <windows.h>

#include <utility>

#include "scope_exit.h"

namespace rt {

template <class Traits>
class UniqueResource {
 public:
  using Handle = typename Traits::Handle;
  UniqueResource() = default;
  explicit UniqueResource(Handle h) : h_(h) {}
  ~UniqueResource() { reset(); }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
  UniqueResource& operator=(UniqueResource&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, Traits::Invalid()));
    return *this;
  }
  Handle get() const { return h_; }
  Handle* put() { reset(); return &h_; }
  Handle release() { return std::exchange(h_, Traits::Invalid()); }
  void reset(Handle h = Traits::Invalid()) {
    if (h_ != Traits::Invalid()) Traits::Close(h_);
    h_ = h;
  }
  explicit operator bool() const { return h_ != Traits::Invalid(); }

 private:
  Handle h_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};
struct HkeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};
struct HmenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyMenu(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};
template <class T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};
struct HiconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;   // process, thread, mutex, file
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueHkey = UniqueResource<HkeyTraits>;
using UniqueHmenu = UniqueResource<HmenuTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;  // CreateCompatibleDC
using UniqueWindow = UniqueResource<WindowTraits>;
using UniqueHicon = UniqueResource<HiconTraits>;  // CreateIconIndirect, CopyImage, SHGetFileInfo
template <class T>
using GdiObject = UniqueResource<GdiObjectTraits<T>>;

// A window's device context (GetDC), released to that window when the scope ends.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace rt

#include <unknwn.h>

namespace rt {

// Owns one reference to a COM interface.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference (AddRef) on p.
  explicit ComPtr(T* p) : p_(p) { if (p_) p_->AddRef(); }
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
  ComPtr& operator=(const ComPtr& o) {
    if (this != &o) ComPtr(o).swap(*this);
    return *this;
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) reset(std::exchange(o.p_, nullptr));
    return *this;
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters that hand over a reference.
  T** put() { reset(); return &p_; }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  // For an [in, out] argument: the callee may release the reference it finds and leave another.
  T** inout() { return &p_; }
  T* detach() { return std::exchange(p_, nullptr); }
  void reset(T* adopted = nullptr) {
    if (p_) p_->Release();
    p_ = adopted;
  }
  void swap(ComPtr& o) noexcept { std::swap(p_, o.p_); }
  template <class U>
  HRESULT As(ComPtr<U>& out) const {
    return p_ ? p_->QueryInterface(__uuidof(U), out.put_void()) : E_POINTER;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace rt
