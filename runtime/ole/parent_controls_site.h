#pragma once
// What a site of our form runtime offers a control beyond the standard site interfaces: the
// controls of the form that holds it, the form first (the platform's ParentControls of a control).
#include <windows.h>
#include <oaidl.h>

extern "C" const IID IID_IParentControlsSite;

struct IParentControlsSite : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE ParentControls(IDispatch** controls) = 0;
};
__CRT_UUID_DECL(IParentControlsSite, 0x90B3D80D, 0xFF62, 0x4C59, 0x80, 0x2C, 0x71, 0xBB, 0x96, 0x34, 0x89, 0x39)
