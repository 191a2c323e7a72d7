#pragma once
// Type descriptions of the form object model. They are built in memory at run time from the
// member tables (one list of names), once per thread: a caller learns an object's type name
// (what the platform's TypeName answers) and finds the form's events by name.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <span>

#include "automation.h"

namespace rt::ole {

class FormModel;
// What every object of the model holds of its form's model; empty once the form has unloaded.
using ModelAnchor = std::shared_ptr<FormModel*>;

// The form's default source interface, "FormEvents".
extern const IID DIID_FormEvents;

enum FormEventId : DISPID { kFormLoad = 1, kFormResize, kFormUnload, kFormActivate, kFormDeactivate };

// The dispatch interface called typeName, listing members; one object per name and thread.
HRESULT DispatchTypeInfo(const wchar_t* typeName, std::span<const MemberInfo> members, ITypeInfo** out);
// The form's class: form (the form's interface) as its default, "FormEvents" as its default source.
HRESULT FormClassInfo(ITypeInfo* form, ITypeInfo** out);

}  // namespace rt::ole
