#pragma once
// The error object the Error event passes: the platform's error object as a host reads it
// (Number, Description, Source, HelpFile, HelpContext), describing the error being reported.
#include <oaidl.h>

#include <cstdint>
#include <string>

namespace amb {

inline constexpr const char* kErrorSource = "AmbreloControl";

HRESULT NewErrorObject(int32_t number, const std::string& description, IDispatch** out);

}  // namespace amb
