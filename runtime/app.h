#pragma once
// The application object: where the program lives, what its version block says, and whether
// another resident copy is running.
#include <windows.h>

#include <string>

namespace rt {

struct AppObject {
  HINSTANCE hInstance = nullptr;
  std::string Path;     // folder of the executable, no trailing backslash (except a drive root)
  std::string EXEName;  // file name without ".exe"
  std::string Title;
  int Major = 0, Minor = 0, Revision = 0;
  std::string FileDescription, LegalCopyright, LegalTrademarks, Comments, CompanyName, ProductName;

  // True while another process holds this program's resident marker.
  bool PrevInstance() const;
  // Takes the resident marker for this process; false when another process holds it already.
  bool ClaimResidentInstance();
};

AppObject& App();

// The module this code is linked into: the program, or a DLL that carries the runtime. Window
// classes are registered for it, so a DLL's forms and its host's never share a class.
HINSTANCE CodeModule();

// The full path of a module of this process (nullptr: the program's file), however long; "" when
// the system cannot say.
std::string ModuleFilePath(HMODULE module = nullptr);

// Fills App() from the running module and its version block.
void InitApp(HINSTANCE instance, const std::string& title);

}  // namespace rt
