#pragma once
// A seam is an interface whose default adapter talks to the operating system. Tests and the
// recording build install another adapter for the life of a scope (or of the process).

namespace os {

template <class Interface>
Interface& DefaultAdapter();  // defined once per seam, next to its real adapter

template <class Interface>
struct SeamSlot {
  static inline Interface* installed = nullptr;
};

template <class Interface>
Interface& Use() {
  Interface* s = SeamSlot<Interface>::installed;
  return s ? *s : DefaultAdapter<Interface>();
}

// Installs an adapter until the object goes out of scope, then restores the previous one.
template <class Interface>
class Install {
 public:
  explicit Install(Interface* adapter) : previous_(SeamSlot<Interface>::installed) {
    SeamSlot<Interface>::installed = adapter;
  }
  ~Install() { SeamSlot<Interface>::installed = previous_; }
  Install(const Install&) = delete;
  Install& operator=(const Install&) = delete;

 private:
  Interface* previous_;
};

}  // namespace os
