#pragma once
// The error barrier at the entries of COM objects: nothing thrown inside a method ever crosses into
// its caller, another module that cannot catch it. The body of every method of an interface that
// an object hands out runs through ComEntry, and IDispatch::Invoke through InvokeEntry; what the
// body throws comes back as an HRESULT, described by the thread's error info (and, for Invoke, by
// the EXCEPINFO) as an Automation error is described. A method that can not throw (a constant
// answer, a flag read, a count) needs no barrier.
#include <windows.h>
#include <oaidl.h>

#include <type_traits>

namespace rt::ole {

// The platform's "Application-defined or object-defined error", as which the barrier answers
// (0x800A03EC).
inline constexpr int kErrApplicationDefined = 1004;

// Inside a catch block: the exception being handled as an HRESULT, with the thread's error info
// set to its text. Memory: E_OUTOFMEMORY, "Out of memory"; a failure the runtime raised, or any
// other exception: error 1004 with the failure's own text.
HRESULT HresultOfCaughtException() noexcept;
// The same, described in info as IDispatch::Invoke describes an exception: returns
// DISP_E_EXCEPTION. Without info, as HresultOfCaughtException.
HRESULT DispatchErrorOfCaughtException(EXCEPINFO* info) noexcept;

// A method whose body returns an HRESULT; a body that returns nothing (a notification) has what it
// throws swallowed.
template <class Body>
auto ComEntry(Body&& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    if constexpr (std::is_void_v<decltype(body())>) {
      HresultOfCaughtException();
    } else {
      return HresultOfCaughtException();
    }
  }
}

template <class Body>
HRESULT InvokeEntry(EXCEPINFO* info, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return DispatchErrorOfCaughtException(info);
  }
}

}  // namespace rt::ole
