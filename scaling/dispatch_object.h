#pragma once
// A host object reached through its IDispatch. Dispatch ids, and the answer that a member is
// absent, are kept per class (the GUID of the object's type description) for the life of the
// thread, so a probe that failed once costs nothing the next time; objects without a type
// description keep their own.
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <optional>
#include <string>

#include "host_object.h"
#include "scoped_win.h"

namespace amb {

class DispatchObject final : public HostObject {
 public:
  // perObjectIds: the object keeps its own ids, for an object whose ids may differ from those of
  // another object of its class (a designer's extender of a control is one).
  explicit DispatchObject(rt::ComPtr<IDispatch> object, bool perObjectIds = false);
  HostStatus Get(std::string_view member, HostValue& out) override;
  HostStatus Let(std::string_view member, const HostValue& value) override;
  HostStatus Call(std::string_view member, const std::vector<HostValue>& args, HostValue* result) override;
  HostStatus GetAt(std::string_view member, const HostValue& index, HostValue& out) override;
  HostStatus LetAt(std::string_view member, const HostValue& index, const HostValue& value) override;
  std::string TypeName() override;
  bool IsForm() override { return TypeName() == "Form"; }
  bool IsMdiParent() override { return TypeName() == "MDIForm"; }
  const void* Identity() override { return identity_.get(); }
  IDispatch* Object() const { return object_.get(); }

 private:
  using Ids = std::map<std::string, std::optional<DISPID>, std::less<>>;
  HostStatus IdOf(std::string_view member, DISPID& id);
  HostStatus Invoke(std::string_view member, WORD flags, const std::vector<HostValue>& args, HostValue* result);

  rt::ComPtr<IDispatch> object_;
  rt::ComPtr<IUnknown> identity_;
  Ids* ids_ = nullptr;  // the class's, or own_
  Ids own_;
  std::optional<std::string> typeName_;
};

// Null for a null pointer.
HostObjectPtr WrapDispatch(IDispatch* object);
// The IDispatch behind a host object, when it has one (not AddRef'd).
IDispatch* DispatchOf(HostObject* object);
// Host values as Automation arguments and back; objects travel as IDispatch.
void ToVariant(const HostValue& value, VARIANT* out);
HostValue FromVariant(const VARIANT& v);

}  // namespace amb
