#pragma once
// One small owner per kind of Win32 handle. Non-copyable, movable; each closes with the call
// that matches how the handle was made.
#include <windows.h>

#include <utility>

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

using UniqueHandle = UniqueResource<KernelHandleTraits>;   // process, thread, mutex, file
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueHkey = UniqueResource<HkeyTraits>;
using UniqueHmenu = UniqueResource<HmenuTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;  // CreateCompatibleDC
using UniqueWindow = UniqueResource<WindowTraits>;
template <class T>
using GdiObject = UniqueResource<GdiObjectTraits<T>>;

// Runs a callable when the scope ends, for clean-ups that no handle type covers.
template <class F>
class ScopeExit {
 public:
  explicit ScopeExit(F f) : f_(std::move(f)) {}
  ~ScopeExit() { if (armed_) f_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  void Dismiss() { armed_ = false; }

 private:
  F f_;
  bool armed_ = true;
};

}  // namespace rt
