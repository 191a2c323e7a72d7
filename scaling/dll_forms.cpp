#include "dll_forms.h"

#include "form.h"

namespace amb {
namespace {

thread_local int t_handlersRunning = 0;

}  // namespace

FormHandlerScope::FormHandlerScope() { ++t_handlersRunning; }
FormHandlerScope::~FormHandlerScope() { --t_handlersRunning; }

void CollectUnloadedLibraryForms() {
  if (t_handlersRunning == 0) rt::CollectUnloadedForms();
}

bool ReleaseLibraryForms() {
  if (rt::Forms::CountOnEveryThread() > 0) return false;
  rt::CollectUnloadedForms();
  rt::UnregisterFormWindowClasses();
  return true;
}

}  // namespace amb
