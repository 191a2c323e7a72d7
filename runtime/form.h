#pragma once
// Form: one window of the program, built from its design data (window settings, controls, menus)
// when it is loaded, and unloaded by the program.
//
// Conventions: a form class overrides Settings() and the events it needs; HandleMessage sees
// every message first and returns true when it has answered one. Form objects live for the whole
// process; unloading a form destroys its window and moves its controls and menus aside until the
// outermost message loop runs again, so a form can unload itself inside any of its own handlers.
// Reaching a control or a menu item of a form that is not loaded loads it (never while quitting).
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls.h"
#include "design.h"
#include "menu.h"

namespace rt {

namespace ole {
class FormModel;
}

enum class UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2, TaskManager = 3 };
enum class ShowMode { Modeless, Modal };

struct FormSettings {
  std::string caption;
  int left = 0, top = 0;                        // twips, with StartPosition::Manual
  int clientWidth = 3000, clientHeight = 2000;  // twips
  FormBorder border = FormBorder::Sizable;
  bool controlBox = true, minButton = true, maxButton = true;
  bool showInTaskbar = true;
  StartPosition startPosition = StartPosition::WindowsDefault;
  int icon = 0;  // icon resource id; 0 = none
  PictureDesign picture{};
  bool autoRedraw = false;
  ScaleMode scaleMode = ScaleMode::Twips;
  OleColor backColor = SystemColor(COLOR_BTNFACE), foreColor = SystemColor(COLOR_BTNTEXT);
  FontDesign font{kFormFontName, 8.25};
  bool acceptsFiles = false;
  std::span<const ControlDesign> controls{};
  std::span<const MenuDesign> menus{};
};

struct FormParts;  // what one load builds

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // Creates the window and its controls and runs Form_Load; nothing when loaded already or while
  // the program quits.
  void Load();
  // Asks Form_QueryUnload and Form_Unload; destroys the window unless one of them cancels.
  // Returns true when the form is no longer loaded.
  bool Unload(UnloadMode mode = UnloadMode::FormCode);
  // Before the program ends on its own account (to make way for its updater): Form_QueryEnd may
  // keep it running. True when the form lets it end.
  bool QueryEnd();
  // Modal: the other forms are disabled and the call returns once this form is hidden or unloaded.
  void Show(ShowMode mode = ShowMode::Modeless, HWND owner = nullptr);
  void Hide();
  bool Visible() const;
  HWND hWnd();  // loads the form on first use

  // Controls by name (and index, for a member of a control array); names ignore letter case.
  Control* FindControl(std::string_view name, int index = -1);
  template <class T>
  T& Ctl(std::string_view name, int index = -1) {
    return CheckedControl<T>(FindControl(name, index), name);
  }
  std::vector<Control*> Controls();
  MenuItem& Menu(std::string_view name, int index = -1);
  // Pops up the item's submenu at the mouse (or at x, y in the form's scale); the chosen item's
  // Menu_Click has run when this returns.
  void PopupMenu(MenuItem& menu, UINT flags = 0);
  void PopupMenu(MenuItem& menu, UINT flags, double x, double y);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Outer position and size in twips.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void Move(double left, double top, double width = -1, double height = -1);
  ScaleMode GetScaleMode() const { return scaleMode_; }
  void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
  double ScaleWidth() const;   // client area in the form's scale
  double ScaleHeight() const;
  rt::WindowState GetWindowState() const;
  void SetWindowState(rt::WindowState state);
  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);
  bool AutoRedraw() const { return autoRedraw_; }
  // Turned off, what was drawn stays behind the controls until Cls.
  void SetAutoRedraw(bool on);
  // The device context drawing goes to: the persistent image when AutoRedraw is on.
  HDC hDC();
  void Cls();       // the background colour (and picture) again
  void Refresh();   // repaints now
  HFONT Font() const;
  bool AcceptsFiles() const { return acceptsFiles_; }
  // The picture shown behind the controls; SetPicture takes the bitmap over (nullptr: none).
  HBITMAP Picture() const;
  void SetPicture(HBITMAP bitmap);
  // The form and its controls by Automation, for the COM controls it holds; made on first use,
  // null while the form is not loaded.
  ole::FormModel* ObjectModel();

 protected:
  virtual FormSettings Settings() const { return {}; }
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }

  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {}
  virtual void Form_Unload(int& cancel) {}
  // A form holding work the user has not saved asks the user, and sets cancel to keep it.
  virtual void Form_QueryEnd(int& cancel) {}
  virtual void Form_Resize() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  // Button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in the form's scale.
  virtual void Form_MouseMove(int button, int shift, double x, double y) {}
  virtual void Form_MouseDown(int button, int shift, double x, double y) {}
  virtual void Form_MouseUp(int button, int shift, double x, double y) {}
  virtual void Form_KeyPress(int& keyAscii) {}
  virtual void Form_OLEDragDrop(const std::vector<std::string>& files) {}

  // Control events; sender tells which control raised it. Mouse positions are twips relative to
  // the control.
  virtual void Control_Click(Control& sender) {}
  virtual void Control_DblClick(Control& sender) {}
  virtual void Control_Change(Control& sender) {}
  virtual void Control_LostFocus(Control& sender) {}
  virtual void Control_MouseMove(Control& sender, int button, int shift, double x, double y) {}
  virtual void Control_MouseDown(Control& sender, int button, int shift, double x, double y) {}
  virtual void Control_MouseUp(Control& sender, int button, int shift, double x, double y) {}
  virtual void Control_OLEDragDrop(Control& sender, const std::vector<std::string>& files) {}
  virtual void Timer_Timer(Timer& sender) {}
  // An event of a COM control, by the name its class gives it.
  virtual void Control_Event(Control& sender, ObjectEvent& event) {}
  virtual void Menu_Click(MenuItem& item) {}

 private:
  friend class Control;
  friend class Container;
  friend class Forms;
  friend class Timer;
  friend class OleControl;
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK ContainerWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

  template <class T>
  static T& CheckedControl(Control* control, std::string_view name) {
    T* typed = dynamic_cast<T*>(control);
    if (!typed) ThrowNoSuchControl(name);
    return *typed;
  }
  [[noreturn]] static void ThrowNoSuchControl(std::string_view name);

  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void BuildControls(const FormSettings& settings);
  void AbandonLoad();
  void PlaceAtStart(const FormSettings& settings);
  void FocusFirstControl();

  // Messages that the form and its containers answer alike (painting, mouse, child notices).
  bool SurfaceMessage(HWND surface, Control* container, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT& result);
  void PaintSurface(HWND surface, Control* container, HDC dc);
  Control* WindowlessAt(Control* container, POINT pixel);
  void RouteMouse(HWND surface, Control* container, UINT message, WPARAM wParam, LPARAM lParam);
  void RouteDrop(HWND surface, Control* container, HDROP drop);
  bool RouteCommand(WPARAM wParam, LPARAM lParam);
  Control* ControlById(UINT id);
  Control* ControlOfWindow(HWND hwnd);
  void UpdateToolTip(Control& control);
  void ControlMoved(Control& control);
  double ToScaleX(int pixels) const;
  double ToScaleY(int pixels) const;
  void EnsureBackingSize();

  // Each event runs inside the error trap, named "<control>_<event>" as the error report wants.
  void Run(const Control* sender, const char* event, const std::function<void()>& body);
  // The form's own handler first, then the sinks of the form object's events.
  void RaiseFormEvent(const char* event, void (Form::*handler)(), int formEvent);
  void RaiseClick(Control& sender);
  void RaiseChange(Control& sender);
  void RaiseLostFocus(Control& sender);
  enum class MouseEvent { Move, Down, Up };
  void RaiseMouse(Control& sender, MouseEvent event, int button, int shift, double x, double y);
  void RaiseDrop(Control& sender, const std::vector<std::string>& files);

  std::string name_;
  HWND hwnd_ = nullptr;
  bool unloading_ = false;
  bool shownOnce_ = false;
  HWND pendingOwner_ = nullptr;  // the owner Show was given, for StartPosition::CenterOwner
  bool autoRedraw_ = false;
  bool acceptsFiles_ = false;
  ScaleMode scaleMode_ = ScaleMode::Twips;
  OleColor backColor_ = SystemColor(COLOR_BTNFACE);
  std::unique_ptr<FormParts> parts_;
};

// The loaded forms of the calling thread, in load order. Each thread that shows forms has its own,
// as a thread has its own windows: a modal form disables only its own thread's forms.
class Forms {
 public:
  static const std::vector<Form*>& Loaded();
  static size_t Count() { return Loaded().size(); }
  // The forms loaded on every thread of the process.
  static size_t CountOnEveryThread();
  static Form* Find(const std::string& name);
  // Unloads every form, again and again over a fresh snapshot until none is left (an unload
  // handler may load another form). Marks the program as quitting first. A form whose own unload
  // is running (and has called this) is left to finish it.
  static void UnloadAll();
  // Asks every loaded form's QueryEnd, in load order, until one keeps the program running; true
  // when none does.
  static bool QueryEnd();

 private:
  friend class Form;
  static void Add(Form* form);
  static void Remove(Form* form);
};

// True once the program has started to end: no form loads any more.
bool Quitting();
void SetQuitting(bool quitting);

// Frees the controls and menus of the thread's forms unloaded since the last call, and the thread's
// parking owner once no form is left. Only the outermost message loop calls it, when no handler of
// any form is running.
void CollectUnloadedForms();

// Takes back the window classes of forms and their containers, which name this module's window
// procedures: a DLL that carries the runtime does so before it may be unloaded. The next load
// registers them again.
void UnregisterFormWindowClasses();

// Keyboard navigation (TAB, ENTER for the default button, ESC for the cancel button) of the form
// the message is for; true when the message was handled and must not be dispatched.
bool HandleFormNavigation(MSG& msg);

}  // namespace rt
