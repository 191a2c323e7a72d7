// The loaded forms, what their unloads leave behind, and the hidden window that owns the forms
// kept out of the task bar.
#include <algorithm>

#include "app.h"
#include "form.h"
#include "form_parts.h"
#include "text_compare.h"

namespace rt {
namespace {

const char kParkingClass[] = "TarnwickOwner";
bool g_quitting = false;

void RegisterParkingClass() {
  WNDCLASSEXA parking = {sizeof parking};
  if (GetClassInfoExA(CodeModule(), kParkingClass, &parking)) return;
  parking = {sizeof parking};
  parking.lpfnWndProc = DefWindowProcA;
  parking.hInstance = CodeModule();
  parking.lpszClassName = kParkingClass;
  RegisterClassExA(&parking);
}

std::vector<std::unique_ptr<FormParts>>& Unloaded() {
  static std::vector<std::unique_ptr<FormParts>> parts;
  return parts;
}

}  // namespace

// Forms that stay out of the task bar are owned by this hidden window, as the platform did it.
HWND ParkingWindow() {
  RegisterParkingClass();
  static UniqueWindow window(CreateWindowExA(0, kParkingClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                             CodeModule(), nullptr));
  return window.get();
}

void KeepUntilCollected(std::unique_ptr<FormParts> parts) { Unloaded().push_back(std::move(parts)); }

bool Quitting() { return g_quitting; }
void SetQuitting(bool quitting) { g_quitting = quitting; }

void CollectUnloadedForms() {
  // Destroying parts can run code (a control's clean-up) that unloads more: take them out first.
  std::vector<std::unique_ptr<FormParts>> dead;
  dead.swap(Unloaded());
}

std::vector<Form*>& Forms::List() {
  static std::vector<Form*> list;
  return list;
}
const std::vector<Form*>& Forms::Loaded() { return List(); }

Form* Forms::Find(const std::string& name) {
  for (Form* f : List())
    if (TextEquals(f->Name(), name)) return f;
  return nullptr;
}

void Forms::UnloadAll() {
  SetQuitting(true);
  for (int round = 0; round < 100; ++round) {
    std::vector<Form*> snapshot;
    for (Form* form : List())
      if (!form->unloading_) snapshot.push_back(form);
    if (snapshot.empty()) break;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) (*it)->Unload(UnloadMode::AppWindows);
  }
}

bool Forms::QueryEnd() {
  const std::vector<Form*> snapshot = List();  // a form may unload itself while it asks
  for (Form* form : snapshot)
    if (form->IsLoaded() && !form->QueryEnd()) return false;
  return true;
}

}  // namespace rt
