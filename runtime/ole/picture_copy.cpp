#include "picture_copy.h"

#include <olectl.h>

#include "scoped_win.h"

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

std::optional<RuntimeError> CopyAssignedBitmap(const VARIANT* value, HBITMAP& copy) {
  copy = nullptr;
  IUnknown* object = nullptr;
  if (value && (V_VT(value) == VT_DISPATCH || V_VT(value) == VT_UNKNOWN)) object = V_UNKNOWN(value);
  if (value && V_VT(value) == (VT_DISPATCH | VT_BYREF)) object = *V_DISPATCHREF(value);
  if (!object) {
    bool nothing = !value || V_VT(value) == VT_DISPATCH || V_VT(value) == VT_UNKNOWN ||
                   V_VT(value) == (VT_DISPATCH | VT_BYREF) || V_VT(value) == VT_EMPTY;
    return nothing ? std::nullopt : std::optional(RuntimeError::TypeMismatch);
  }
  rt::ComPtr<IPicture> picture;
  OLE_HANDLE handle = 0;
  SHORT type = PICTYPE_NONE;
  bool read = SUCCEEDED(object->QueryInterface(IID_IPicture, picture.put_void())) &&
              SUCCEEDED(picture->get_Type(&type)) && SUCCEEDED(picture->get_Handle(&handle));
  if (!read) return RuntimeError::TypeMismatch;
  if (type != PICTYPE_BITMAP) return RuntimeError::InvalidPropertyValue;
  copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
  if (!copy) return RuntimeError::Overflow;  // out of memory, as near as the platform's numbers come
  return std::nullopt;
}

}  // namespace rt::ole
