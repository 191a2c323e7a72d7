#pragma once
// Pictures handed to Automation callers: a copy of the shown bitmap or icon in a picture object
// that owns it, so what the caller keeps never changes or dies with the control.
#include <windows.h>
#include <oaidl.h>

#include <optional>

#include "automation.h"

namespace rt::ole {

// *out is Nothing (null) when there is no picture.
HRESULT PictureCopy(HBITMAP bitmap, HICON icon, IDispatch** out);

// A copy of the bitmap of a picture assigned by Automation, for its new owner; null for Nothing.
// The error to report when the value is no bitmap picture.
std::optional<RuntimeError> CopyAssignedBitmap(const VARIANT* value, HBITMAP& copy);

}  // namespace rt::ole
