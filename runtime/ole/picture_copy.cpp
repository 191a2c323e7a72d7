#include "picture_copy.h"

#include <olectl.h>

namespace rt::ole {

HRESULT PictureCopy(HBITMAP bitmap, HICON icon, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!bitmap && !icon) return S_OK;
  PICTDESC desc{sizeof desc, PICTYPE_NONE};
  if (bitmap) {
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    if (!desc.bmp.hbitmap) return E_OUTOFMEMORY;
  } else {
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = CopyIcon(icon);
    if (!desc.icon.hicon) return E_OUTOFMEMORY;
  }
  HRESULT hr = OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(out));
  if (FAILED(hr)) {
    if (bitmap) DeleteObject(desc.bmp.hbitmap);
    else DestroyIcon(desc.icon.hicon);
  }
  return hr;
}

}  // namespace rt::ole
