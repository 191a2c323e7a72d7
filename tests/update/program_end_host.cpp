// A program with one form that ends itself through the real program end: its form's unload
// leaves a marker beside the exe, and the process's exit code tells whether End returned.
#include <windows.h>

#include <fstream>

#include "app.h"
#include "form.h"
#include "os/program_end.h"

namespace {

class MarkingForm final : public rt::Form {
 public:
  MarkingForm() : rt::Form("frmBase") {}

 protected:
  void Form_Unload(int&) override { std::ofstream(rt::App().Path + "\\form-unloaded.txt") << "unloaded"; }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  rt::InitApp(instance, "Tarnwick");
  static MarkingForm form;
  form.Load();
  os::programEnd().End();
  return 7;
}
