#pragma once
// Form: one window of the program, loaded on first explicit use and unloaded by the program.
//
// Conventions: a form class overrides the Form_* events it needs; HandleMessage sees every
// message first and returns true when it has answered one. Form objects live for the whole
// process, so unloading a form from inside its own handler destroys the window only.
#include <windows.h>

#include <string>
#include <vector>

namespace rt {

enum class UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2, TaskManager = 3 };

struct FormSettings {
  std::string caption;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_TOOLWINDOW;  // not in the task bar unless a form says so
  int width = 200, height = 100;     // pixels, outer size
};

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // Creates the window and runs Form_Load; nothing when loaded already or while the program quits.
  void Load();
  // Asks Form_QueryUnload and Form_Unload; destroys the window unless one of them cancels.
  // Returns true when the form is no longer loaded.
  bool Unload(UnloadMode mode = UnloadMode::FormCode);
  void Show();
  void Hide();
  bool Visible() const;
  HWND hWnd();  // loads the form on first use

 protected:
  virtual FormSettings Settings() const { return {}; }
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {}
  virtual void Form_Unload(int& cancel) {}
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  std::string name_;
  HWND hwnd_ = nullptr;
  bool unloading_ = false;
};

// The loaded forms, in load order.
class Forms {
 public:
  static const std::vector<Form*>& Loaded();
  static size_t Count() { return Loaded().size(); }
  static Form* Find(const std::string& name);
  // Unloads every form, again and again over a fresh snapshot until none is left (an unload
  // handler may load another form). Marks the program as quitting first.
  static void UnloadAll();

 private:
  friend class Form;
  static std::vector<Form*>& List();
};

// True once the program has started to end: no form loads any more.
bool Quitting();
void SetQuitting(bool quitting);

}  // namespace rt
