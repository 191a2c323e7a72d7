#pragma once
// Pictures handed to Automation callers: a copy of the shown bitmap or icon in a picture object
// that owns it, so what the caller keeps never changes or dies with the control.
#include <windows.h>
#include <oaidl.h>

namespace rt::ole {

// *out is Nothing (null) when there is no picture.
HRESULT PictureCopy(HBITMAP bitmap, HICON icon, IDispatch** out);

}  // namespace rt::ole
