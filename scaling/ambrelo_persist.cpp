// IPersistPropertyBag and IPersistStreamInit over one mapping of the settings to named values;
// the stream holds the same named values in our own versioned form.
#include <cstring>
#include <vector>

#include "ambrelo_control.h"
#include "bag_stream.h"
#include "dispatch_host_form.h"
#include "dispatch_object.h"
#include "late_bound.h"
#include "property_bag_adapter.h"
#include "settings_persistence.h"

namespace amb {

IFACEMETHODIMP Ambrelo::GetClassID(CLSID* clsid) {
  return ComEntry([&]() -> HRESULT {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Ambrelo;
    return S_OK;
  });
}

// A new instance: the defaults go straight into the fields, without notifications, and the host
// form is not followed.
IFACEMETHODIMP Ambrelo::InitNew() {
  return ComEntry([&]() -> HRESULT {
    formControls_ = ParentControls();
    ApplyNewInstanceDefaults(settings_);
    dirty_ = false;
    return S_OK;
  });
}

// Values are read straight into the fields; the flag list rebuilds the per-control records.
// Nothing read here reaches the container as a change.
void Ambrelo::LoadFrom(BagReader& bag) {
  loading_ = true;
  ReadSettings(bag, settings_, flagRecords_);
  putref_FormControls(ParentControls().get());
  loading_ = false;
  dirty_ = false;
  HookHostForm();
}

// The form is the extender's Parent; entry 0 of the form's controls says what kind of form it is.
// The form is bound only once its events reach the control: bound without them, an open effect
// would leave it hidden behind its empty region.
// A second Load binds afresh: the sink of the first would report every event twice.
void Ambrelo::HookHostForm() {
  UnhookHostForm();
  if (!UserMode() || !settings_.enabled || !formControls_) return;
  rt::ComPtr<IDispatch> parent = ExtenderParent();
  if (!parent) return;
  rt::ComPtr<IDispatch> firstObject = GetItemObject(formControls_.get(), 0);
  if (!firstObject) return;
  DispatchHostForm firstControl{firstObject};
  formEvents_ = FormEventSink::Connect(parent.get(), lifecycle_, static_cast<IOleObject*>(this));
  if (!formEvents_) return;
  lifecycle_.HookHostForm(firstControl, std::make_shared<DispatchHostForm>(parent),
                          std::make_shared<DispatchHostControls>(formControls_));
  engineForm_ = WrapDispatch(parent.get());
  if (!lifecycle_.Host()) UnhookHostForm();
}

rt::ComPtr<IDispatch> Ambrelo::ExtenderParent() const {
  rt::ComPtr<IOleControlSite> controlSite;
  rt::ComPtr<IDispatch> extender;
  if (site_ && SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, controlSite.put_void())) &&
      SUCCEEDED(controlSite->GetExtendedControl(extender.put())) && extender)
    return GetObjectByName(extender.get(), L"Parent");
  return {};
}

void Ambrelo::UnhookHostForm() {
  if (formEvents_) formEvents_->Disconnect();
  formEvents_.reset();
  engineForm_.reset();
}

IFACEMETHODIMP Ambrelo::Load(IPropertyBag* bag, IErrorLog* log) {
  return ComEntry([&]() -> HRESULT {
    if (!bag) return E_POINTER;
    PropertyBagReader reader(*bag, log);
    LoadFrom(reader);
    return S_OK;
  });
}

// At design time the size comes from the host form as it is now; where the form does not give
// a value, and at run time, the instance's own stored size is written, so a save never loses it.
DesignSize Ambrelo::DesignSizeToWrite() const {
  DesignSize size = settings_.design;
  if (UserMode() || !formControls_) return size;
  rt::ComPtr<IDispatch> form = GetItemObject(formControls_.get(), 0);
  if (!form) return size;
  struct Member {
    const wchar_t* name;
    float DesignSize::*field;
  };
  for (Member m : {Member{L"Width", &DesignSize::width}, Member{L"Height", &DesignSize::height},
                   Member{L"ScaleWidth", &DesignSize::scaleWidth}, Member{L"ScaleHeight", &DesignSize::scaleHeight}}) {
    rt::Variant v;
    if (SUCCEEDED(GetPropertyByName(form.get(), m.name, v)) && SUCCEEDED(v.ChangeType(VT_R4)))
      size.*m.field = V_R4(v.get());
  }
  return size;
}

IFACEMETHODIMP Ambrelo::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  return ComEntry([&]() -> HRESULT {
    if (!bag) return E_POINTER;
    PropertyBagWriter writer(*bag);
    WriteSettings(settings_, DesignSizeToWrite(), writer);
    if (clearDirty) dirty_ = false;
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::IsDirty() { return ComEntry([&] { return dirty_ ? S_OK : S_FALSE; }); }

IFACEMETHODIMP Ambrelo::Load(LPSTREAM stream) {
  return ComEntry([&]() -> HRESULT {
    if (!stream) return E_POINTER;
    uint8_t header[kBagStreamHeaderSize];
    ULONG got = 0;
    HRESULT hr = stream->Read(header, sizeof header, &got);
    if (FAILED(hr)) return hr;
    std::optional<uint32_t> rest = got == sizeof header ? BagStreamRestLength(header) : std::nullopt;
    if (!rest) return STG_E_READFAULT;
    std::vector<uint8_t> bytes(header, header + sizeof header);
    bytes.resize(sizeof header + *rest);
    hr = stream->Read(bytes.data() + sizeof header, *rest, &got);
    if (FAILED(hr)) return hr;
    if (got != *rest) return STG_E_READFAULT;
    std::optional<MemoryBag> bag = DecodeBagStream(bytes.data(), bytes.size());
    if (!bag) return STG_E_READFAULT;
    LoadFrom(*bag);
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::Save(LPSTREAM stream, BOOL clearDirty) {
  return ComEntry([&]() -> HRESULT {
    if (!stream) return E_POINTER;
    MemoryBag bag;
    WriteSettings(settings_, DesignSizeToWrite(), bag);
    std::vector<uint8_t> bytes = EncodeBagStream(bag);
    // A stream that Load would refuse (a text of megabytes in WindowName, say) is never written: the
    // container is told, and what it stored before stays readable.
    uint8_t header[kBagStreamHeaderSize];
    std::memcpy(header, bytes.data(), sizeof header);
    if (!BagStreamRestLength(header)) return STG_E_MEDIUMFULL;
    ULONG written = 0;
    HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    if (FAILED(hr)) return hr;
    if (written != bytes.size()) return STG_E_WRITEFAULT;
    if (clearDirty) dirty_ = false;
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::GetSizeMax(ULARGE_INTEGER* size) {
  return ComEntry([&]() -> HRESULT {
    if (!size) return E_POINTER;
    MemoryBag bag;
    WriteSettings(settings_, DesignSizeToWrite(), bag);
    size->QuadPart = EncodeBagStream(bag).size();
    return S_OK;
  });
}

}  // namespace amb
