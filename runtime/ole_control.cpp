// COM controls on a form: created from their class by name, given a site before or after their
// properties as they ask, loaded from the design's values, and closed when the form unloads.
#include <olectl.h>

#include <string>

#include "controls.h"
#include "error_report.h"
#include "form.h"
#include "ole/control_event_sink.h"
#include "ole/control_site.h"
#include "ole/design_property_bag.h"
#include "text_encoding.h"

namespace rt {
namespace {

HRESULT ClassOf(const char* classId, CLSID& clsid) {
  std::wstring name = WideFromUtf8(classId ? classId : "");
  if (name.empty()) return REGDB_E_CLASSNOTREG;
  return name[0] == L'{' ? CLSIDFromString(name.c_str(), &clsid) : CLSIDFromProgID(name.c_str(), &clsid);
}

std::string HresultText(HRESULT hr) {
  char text[16];
  wsprintfA(text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

}  // namespace

OleControl::~OleControl() { Detach(); }

// The platform's message for a control that can not be made.
void OleControl::Create(HWND parent) {
  HRESULT hr = Instantiate(parent);
  if (FAILED(hr)) {
    Detach();
    Raise("ActiveX component can't create object: " + name_ + " (" + design_.classId + ", " + HresultText(hr) + ")");
  }
}

HRESULT OleControl::Instantiate(HWND parent) {
  CLSID clsid{};
  HRESULT hr = ClassOf(design_.classId, clsid);
  if (FAILED(hr)) return hr;
  if (FAILED(hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.put_void())))
    return hr;
  object_->QueryInterface(IID_IDispatch, dispatch_.put_void());
  site_ = ole::NewComObject<ole::ControlSite>(*this);
  if (!site_) return E_OUTOFMEMORY;
  object_->GetMiscStatus(DVASPECT_CONTENT, &misc_);
  // Most controls read their ambient properties while they load, so they want their site first.
  if (misc_ & OLEMISC_SETCLIENTSITEFIRST) {
    if (FAILED(hr = object_->SetClientSite(site_))) return hr;
  }
  rt::ComPtr<IPersistPropertyBag> bag;
  rt::ComPtr<IPersistStreamInit> stream;
  if (SUCCEEDED(object_->QueryInterface(IID_IPersistPropertyBag, bag.put_void()))) {
    rt::ComPtr<ole::DesignPropertyBag> values;
    values.reset(ole::NewComObject<ole::DesignPropertyBag>(design_.properties));
    if (!values) return E_OUTOFMEMORY;
    hr = bag->Load(values.get(), nullptr);
  } else if (SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, stream.put_void()))) {
    hr = stream->InitNew();
  }
  if (FAILED(hr)) return hr;
  if (!(misc_ & OLEMISC_SETCLIENTSITEFIRST) && FAILED(hr = object_->SetClientSite(site_))) return hr;
  std::wstring form = WideFromUtf8(form_.Name()), self = WideFromUtf8(name_);
  object_->SetHostNames(form.c_str(), self.c_str());
  events_ = ole::ControlEventSink::Connect(*object_.get(), *this);
  if (!(misc_ & OLEMISC_INVISIBLEATRUNTIME) && visible_) ActivateInPlace(parent);
  return S_OK;
}

void OleControl::ActivateInPlace(HWND parent) {
  RECT place = PixelRect();
  object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, parent, &place);
}

void OleControl::Moved() {
  rt::ComPtr<IOleInPlaceObject> inPlace;
  if (!object_ || FAILED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.put_void()))) return;
  RECT place = PixelRect();
  inPlace->SetObjectRects(&place, &place);
}

void OleControl::RaiseEvent(ObjectEvent& event) {
  form_.Run(this, event.name.c_str(), [&] { form_.Control_Event(*this, event); });
}

// The form's window is going: the control lets go of its site and its form first.
void OleControl::Detach() {
  if (events_) {
    events_->Disconnect();
    events_->Release();
    events_ = nullptr;
  }
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  dispatch_.reset();
  object_.reset();
  if (site_) {
    site_->Detach();
    site_->Release();
    site_ = nullptr;
  }
  Control::Detach();
}

}  // namespace rt
