#pragma once
// Errors raised through the control's interface: the platform's error numbers as HRESULTs in
// FACILITY_CONTROL (error 9 is 0x800A0009), with an error-info object that carries the text.
#include <windows.h>

#include <string>

#include "host_form.h"
#include "ole/com_entry.h"

namespace amb {

inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscriptOutOfRange = 9;
inline constexpr int kErrObjectRequired = 424;
using rt::ole::kErrApplicationDefined;

inline constexpr HRESULT AutomationErrorCode(int number) {
  return static_cast<HRESULT>(0x800A0000u | static_cast<unsigned>(number & 0xFFFF));
}

// The platform's text for an error number (the general one where this library knows no other).
const wchar_t* StandardErrorText(int number);
// Sets the thread's error info for number (its standard text) and returns its HRESULT.
HRESULT RaiseAutomationError(int number);
inline constexpr int kErrTypeMismatch = 13;

// Type mismatch (13) with a text that says what was expected.
HRESULT RaiseTypeMismatch(const wchar_t* description);
// An error of the host form's object model, passed on with its own description.
HRESULT RaiseHostError(const std::string& description);
// The same with the host's own error number where it gave one.
HRESULT RaiseHostError(const HostStatus& status);

}  // namespace amb
