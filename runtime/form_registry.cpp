// The loaded forms, what their unloads leave behind, and the hidden window that owns the forms
// kept out of the task bar.
#include <algorithm>
#include <atomic>

#include "app.h"
#include "form.h"
#include "form_parts.h"
#include "text_compare.h"

namespace rt {
namespace {

const char kParkingClass[] = "TarnwickOwner";
bool g_quitting = false;
std::atomic<size_t> g_loadedOnEveryThread{0};

void RegisterParkingClass() {
  WNDCLASSEXA parking = {sizeof parking};
  if (GetClassInfoExA(CodeModule(), kParkingClass, &parking)) return;
  parking = {sizeof parking};
  parking.lpfnWndProc = DefWindowProcA;
  parking.hInstance = CodeModule();
  parking.lpszClassName = kParkingClass;
  RegisterClassExA(&parking);
}

// A thread's forms, as the windows they are: every thread that shows forms (a host's apartment
// threads, for the library that links the runtime) has its own list, its own parts waiting to be
// freed, and its own parking owner, which the system would destroy with the thread.
struct ThreadForms {
  std::vector<Form*> loaded;
  std::vector<std::unique_ptr<FormParts>> unloaded;
  UniqueWindow parking;
};

// Held by a plain pointer, not as a thread_local object with a destructor: a library carrying the
// runtime may be unloaded while the thread lives on. Freed, owner window and all, once the thread
// has no form loaded and nothing left to free.
thread_local ThreadForms* t_forms = nullptr;

ThreadForms& ThisThread() {
  if (!t_forms) t_forms = new ThreadForms;
  return *t_forms;
}

}  // namespace

// Forms that stay out of the task bar are owned by this hidden window, as the platform did it.
HWND ParkingWindow() {
  ThreadForms& forms = ThisThread();
  if (!forms.parking) {
    RegisterParkingClass();
    forms.parking.reset(CreateWindowExA(0, kParkingClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, CodeModule(),
                                        nullptr));
  }
  return forms.parking.get();
}

void KeepUntilCollected(std::unique_ptr<FormParts> parts) { ThisThread().unloaded.push_back(std::move(parts)); }

bool Quitting() { return g_quitting; }
void SetQuitting(bool quitting) { g_quitting = quitting; }

void CollectUnloadedForms() {
  if (!t_forms) return;
  {
    // Destroying parts can run code (a control's clean-up) that unloads more: take them out first.
    std::vector<std::unique_ptr<FormParts>> dead;
    dead.swap(t_forms->unloaded);
  }
  if (t_forms && t_forms->loaded.empty() && t_forms->unloaded.empty()) {
    delete t_forms;
    t_forms = nullptr;
  }
}

const std::vector<Form*>& Forms::Loaded() { return ThisThread().loaded; }

size_t Forms::CountOnEveryThread() { return g_loadedOnEveryThread.load(); }

void Forms::Add(Form* form) {
  ThisThread().loaded.push_back(form);
  ++g_loadedOnEveryThread;
}

void Forms::Remove(Form* form) {
  std::vector<Form*>& list = ThisThread().loaded;
  auto gone = std::remove(list.begin(), list.end(), form);
  g_loadedOnEveryThread -= static_cast<size_t>(list.end() - gone);
  list.erase(gone, list.end());
}

Form* Forms::Find(const std::string& name) {
  for (Form* f : Loaded())
    if (TextEquals(f->Name(), name)) return f;
  return nullptr;
}

void Forms::UnloadAll() {
  SetQuitting(true);
  for (int round = 0; round < 100; ++round) {
    std::vector<Form*> snapshot;
    for (Form* form : Loaded())
      if (!form->unloading_) snapshot.push_back(form);
    if (snapshot.empty()) break;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) (*it)->Unload(UnloadMode::AppWindows);
  }
}

bool Forms::QueryEnd() {
  const std::vector<Form*> snapshot = Loaded();  // a form may unload itself while it asks
  for (Form* form : snapshot)
    if (form->IsLoaded() && !form->QueryEnd()) return false;
  return true;
}

}  // namespace rt
