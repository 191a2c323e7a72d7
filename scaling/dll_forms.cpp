#include "dll_forms.h"

#include <windows.h>

#include "form.h"

namespace amb {
namespace {

thread_local int t_handlersRunning = 0;
LONG g_formMade = 0;

}  // namespace

FormHandlerScope::FormHandlerScope() { ++t_handlersRunning; }
FormHandlerScope::~FormHandlerScope() { --t_handlersRunning; }

void CollectUnloadedLibraryForms() {
  if (t_handlersRunning == 0) rt::CollectUnloadedForms();
}

void NoteLibraryFormMade() { InterlockedExchange(&g_formMade, 1); }
bool LibraryFormMade() { return InterlockedCompareExchange(&g_formMade, 0, 0) != 0; }

}  // namespace amb
