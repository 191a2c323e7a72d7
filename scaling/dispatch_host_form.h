#pragma once
// The host form and its controls reached through their IDispatch, as any container that offers the
// form object model by Automation gives them. Dispatch ids are looked up once per member name.
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <optional>
#include <string>

#include "host_form.h"
#include "scoped_win.h"

namespace amb {

class DispatchHostForm final : public HostForm {
 public:
  explicit DispatchHostForm(rt::ComPtr<IDispatch> form) : form_(std::move(form)) {}
  HostStatus Get(std::string_view member, BagValue& out) override;
  HostStatus Let(std::string_view member, const BagValue& value) override;
  HostStatus Call(std::string_view member, std::vector<BagValue>& args, BagValue* result) override;
  // By the object's type name, as the form runtime names its classes ("Form", "MDIForm").
  bool IsForm() override { return TypeName() == "Form"; }
  bool IsMdiParent() override { return TypeName() == "MDIForm"; }
  IDispatch* Object() const { return form_.get(); }

 private:
  HostStatus IdOf(std::string_view member, DISPID& id);
  const std::string& TypeName();

  rt::ComPtr<IDispatch> form_;
  std::map<std::string, DISPID, std::less<>> ids_;
  std::optional<std::string> typeName_;
};

class DispatchHostControls final : public HostControls {
 public:
  explicit DispatchHostControls(rt::ComPtr<IDispatch> collection) : collection_(std::move(collection)) {}
  size_t Count() override;
  HostStatus CallOnItem(size_t index, std::string_view member, std::vector<BagValue>& args) override;

 private:
  rt::ComPtr<IDispatch> collection_;
};

// The description a person reads for a failed Invoke.
HostStatus AutomationFailure(HRESULT hr, EXCEPINFO& info);
// Invokes the member id of object with args passed by reference (written back); result may be null.
HostStatus InvokeMember(IDispatch* object, DISPID id, WORD flags, std::vector<BagValue>& args, BagValue* result);

}  // namespace amb
