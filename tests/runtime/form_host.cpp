// A tiny program on the runtime for the tests of when a program ends: "unload" loads a hidden
// form that unloads itself on its third timer tick; "stay" loads a hidden form that stays.
#include <windows.h>

#include "form.h"
#include "program.h"

namespace {

constexpr rt::ControlDesign kControls[] = {
    {.name = "tmrEnd", .kind = rt::ControlKind::Timer, .enabled = false, .interval = 30},
};

class HostForm : public rt::Form {
 public:
  HostForm() : rt::Form("frmHost") {}
  bool unloadItself = false;

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "FormHost";
    s.controls = kControls;
    return s;
  }
  void Form_Load() override { Ctl<rt::Timer>("tmrEnd").SetEnabled(unloadItself); }
  void Timer_Timer(rt::Timer&) override {
    if (++ticks_ == 3) Unload();
  }

 private:
  int ticks_ = 0;
};

HostForm& frmHost() {
  static HostForm form;
  return form;
}

void Start() {
  frmHost().unloadItself = rt::CommandText() == "unload";
  frmHost().Load();
}

}  // namespace

int main() { return rt::RunProgram(GetModuleHandleA(nullptr), {"FormHost", &Start}); }
