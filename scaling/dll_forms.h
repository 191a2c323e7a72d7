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

// The thread's one instance of a library form, made on first use and kept for the thread's life
// rather than destroyed with it: the DLL may be gone by then.
template <class LibraryForm>
LibraryForm& ThreadForm() {
  thread_local LibraryForm* form = nullptr;
  if (!form) form = new LibraryForm();
  return *form;
}

// Whether the library may go: no form of its own is loaded, on any thread. It then frees what their unloads left
// and takes back the runtime's window classes, which name its code.
bool ReleaseLibraryForms();

}  // namespace amb
