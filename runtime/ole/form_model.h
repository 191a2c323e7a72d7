#pragma once
// The object model of one load of a form, as a COM control held by the form reaches it by
// Automation: the form object, one object per control (the extender, for a COM control), and the
// collections. The objects live as long as their holders; once the form unloads they answer
// every member with an error instead of reaching a window that is gone.
#include <windows.h>
#include <oaidl.h>

#include <map>
#include <vector>

#include "drawing_members.h"
#include "object_model_types.h"
#include "scoped_win.h"

namespace rt {
class Form;
class Control;
}  // namespace rt

namespace rt::ole {

class FormObject;
class ControlObject;

class FormModel {
 public:
  explicit FormModel(Form& form);
  ~FormModel();
  FormModel(const FormModel&) = delete;
  FormModel& operator=(const FormModel&) = delete;

  Form* GetForm() const { return form_; }
  IDispatch* FormDispatch();
  // The control's object, made on first use and the same object afterwards.
  IDispatch* ObjectOf(Control& control);
  // Every control, each container before the controls it holds, in the order of the design.
  std::vector<Control*> ControlsInPreOrder() const;
  // The form first, then ControlsInPreOrder; or the controls alone.
  rt::ComPtr<IDispatch> ParentControls();
  rt::ComPtr<IDispatch> Controls();

  // The drawing state of the form (box null) or of a picture box.
  DrawState& Drawing(Control* box) { return box ? boxDrawing_[box] : formDrawing_; }

  // The form's events to the sinks of its connection point. Unload goes with a Cancel of 0.
  void Fire(FormEventId event);
  // The window is going: every object fails from now on and the sinks are let go.
  void Detach();

 private:
  Form* form_;
  ModelAnchor anchor_;
  rt::ComPtr<FormObject> formObject_;
  std::map<Control*, rt::ComPtr<ControlObject>> controls_;
  DrawState formDrawing_;
  std::map<Control*, DrawState> boxDrawing_;
};

}  // namespace rt::ole
