#include "form_model.h"

#include "control_object.h"
#include "controls_collection.h"
#include "controls.h"
#include "form.h"
#include "form_object.h"

namespace rt::ole {

FormModel::FormModel(Form& form) : form_(&form), anchor_(std::make_shared<FormModel*>(this)) {}

FormModel::~FormModel() { Detach(); }

IDispatch* FormModel::FormDispatch() {
  if (!formObject_) formObject_.reset(new (std::nothrow) FormObject(anchor_));
  return formObject_.get();
}

IDispatch* FormModel::ObjectOf(Control& control) {
  rt::ComPtr<ControlObject>& object = controls_[&control];
  if (!object) object.reset(new (std::nothrow) ControlObject(anchor_, control));
  return object.get();
}

std::vector<Control*> FormModel::ControlsInPreOrder() const {
  std::vector<Control*> all = form_->Controls(), ordered;
  ordered.reserve(all.size());
  auto visit = [&](auto& self, Control* container) -> void {
    for (Control* c : all) {
      if (c->Container() != container) continue;
      ordered.push_back(c);
      if (c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox) self(self, c);
    }
  };
  visit(visit, nullptr);
  return ordered;
}

rt::ComPtr<IDispatch> FormModel::ParentControls() {
  rt::ComPtr<IDispatch> collection;
  collection.reset(new (std::nothrow) ControlsCollection(anchor_, true));
  return collection;
}

rt::ComPtr<IDispatch> FormModel::Controls() {
  rt::ComPtr<IDispatch> collection;
  collection.reset(new (std::nothrow) ControlsCollection(anchor_, false));
  return collection;
}

void FormModel::Fire(FormEventId event) {
  if (!formObject_) return;  // nobody can have advised yet
  rt::ComPtr<FormObject> keep = formObject_;
  short cancel = 0;
  rt::Variant arg;
  V_VT(arg.get()) = VT_I2 | VT_BYREF;
  V_I2REF(arg.get()) = &cancel;
  DISPPARAMS params{arg.get(), nullptr, event == kFormUnload ? 1u : 0u, 0};
  keep->Fire(event, params);
}

void FormModel::Detach() {
  if (!*anchor_) return;
  *anchor_ = nullptr;
  if (formObject_) formObject_->DropSinks();
  formObject_.reset();
  controls_.clear();
}

}  // namespace rt::ole
