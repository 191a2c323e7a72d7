#include "form.h"

#include <algorithm>

#include "app.h"
#include "error_report.h"

namespace rt {
namespace {

const char kFormClass[] = "TarnwickForm";
bool g_quitting = false;

ATOM RegisterFormClass() {
  static ATOM atom = [] {
    WNDCLASSEXA wc = {sizeof wc};
    wc.lpfnWndProc = DefWindowProcA;  // replaced per window at creation
    wc.hInstance = App().hInstance ? App().hInstance : GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return RegisterClassExA(&wc);
  }();
  return atom;
}

}  // namespace

bool Quitting() { return g_quitting; }
void SetQuitting(bool quitting) { g_quitting = quitting; }

std::vector<Form*>& Forms::List() {
  static std::vector<Form*> list;
  return list;
}
const std::vector<Form*>& Forms::Loaded() { return List(); }

Form* Forms::Find(const std::string& name) {
  for (Form* f : List())
    if (_stricmp(f->Name().c_str(), name.c_str()) == 0) return f;
  return nullptr;
}

void Forms::UnloadAll() {
  SetQuitting(true);
  for (int round = 0; round < 100 && !List().empty(); ++round) {
    std::vector<Form*> snapshot = List();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) (*it)->Unload(UnloadMode::AppWindows);
  }
}

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    auto& list = Forms::List();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void Form::Load() {
  if (hwnd_ || Quitting()) return;
  RegisterFormClass();
  FormSettings s = Settings();
  HWND hwnd = CreateWindowExA(s.exStyle, kFormClass, s.caption.c_str(), s.style, CW_USEDEFAULT, CW_USEDEFAULT,
                              s.width, s.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) Raise("Can not create the window of " + name_);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::WindowProc));
  hwnd_ = hwnd;
  Forms::List().push_back(this);
  Trap(name_.c_str(), "Form_Load", [&] { Form_Load(); });
}

bool Form::Unload(UnloadMode mode) {
  if (!hwnd_) return true;
  if (unloading_) return false;
  unloading_ = true;
  int cancel = 0;
  Trap(name_.c_str(), "Form_QueryUnload", [&] { Form_QueryUnload(cancel, mode); });
  if (cancel == 0 && hwnd_) Trap(name_.c_str(), "Form_Unload", [&] { Form_Unload(cancel); });
  unloading_ = false;
  if (cancel != 0 && mode != UnloadMode::TaskManager) return false;
  if (!hwnd_) return true;  // an event handler unloaded it already
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  auto& list = Forms::List();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
  return true;
}

void Form::Show() {
  Load();
  if (hwnd_) {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
  }
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

HWND Form::hWnd() {
  Load();
  return hwnd_;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  return form->Dispatch(message, wParam, lParam);
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  LRESULT result = 0;
  bool handled = false;
  Trap(name_.c_str(), "WindowProc", [&] { handled = HandleMessage(message, wParam, lParam, result); });
  if (handled) return result;
  if (message == WM_CLOSE) {
    Unload(UnloadMode::FormControlMenu);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace rt
