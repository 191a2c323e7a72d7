#pragma once
// The library's own forms (the about box and the printing box) run inside the host's message
// loop, never the runtime's outermost one: what their unloads leave behind is freed here, when
// none of their handlers that call out to the host is running.
namespace amb {

// Held by a handler of the library's forms while it calls out to the host.
class FormHandlerScope {
 public:
  FormHandlerScope();
  ~FormHandlerScope();
  FormHandlerScope(const FormHandlerScope&) = delete;
  FormHandlerScope& operator=(const FormHandlerScope&) = delete;
};

void CollectUnloadedLibraryForms();

// Once a form of the library has been made, its window classes stay registered for the library's
// code: the library then stays loaded.
void NoteLibraryFormMade();
bool LibraryFormMade();

}  // namespace amb
