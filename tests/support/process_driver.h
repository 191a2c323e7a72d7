#pragma once
// Drives another program of the test prefix: starts it, finds its windows, reads and answers its
// message boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace test {

class Program;
// The programs this test has started and still owns: a wait gives up as soon as one of them crashed.
inline std::vector<Program*>& StartedPrograms() {
  static std::vector<Program*> programs;
  return programs;
}
inline bool ReportCrashes();

// "/home/x/build/a.exe" -> "Z:\home\x\build\a.exe" (Wine maps the Unix root to Z:).
inline std::string WindowsPathOf(std::string unixPath) {
  if (unixPath.empty() || unixPath[0] != '/') return unixPath;
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

inline bool WaitUntil(const std::function<bool()>& done, int milliseconds = 15000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    if (ReportCrashes()) break;  // what it waits for will not come
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return done();
}

// The first visible top-level window of a process that `accept` takes (any, when it is empty).
inline HWND FindVisibleWindowOf(DWORD pid, const std::function<HWND(HWND)>& accept = {}) {
  struct Search {
    DWORD pid;
    const std::function<HWND(HWND)>* accept;
    HWND found;
  } search{pid, &accept, nullptr};
  struct Callback {
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM p) {
      auto* s = reinterpret_cast<Search*>(p);
      DWORD owner = 0;
      GetWindowThreadProcessId(hwnd, &owner);
      if (owner != s->pid || !IsWindowVisible(hwnd)) return TRUE;
      s->found = *s->accept ? (*s->accept)(hwnd) : hwnd;
      return s->found ? FALSE : TRUE;
    }
  };
  EnumWindows(&Callback::Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class Program {
 public:
  Program(const std::string& exe, const std::string& arguments) {
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    if (CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
      CloseHandle(pi.hThread);
      process_ = pi.hProcess;
      id_ = pi.dwProcessId;
    }
    const DWORD error = process_ ? ERROR_SUCCESS : GetLastError();
    name_ = exe.substr(exe.find_last_of('\\') + 1) + (arguments.empty() ? "" : " " + arguments);
    if (!process_) ADD_FAILURE() << "could not start " << exe << ": error " << error;
    StartedPrograms().push_back(this);
  }
  ~Program() {
    auto& programs = StartedPrograms();
    programs.erase(std::remove(programs.begin(), programs.end(), this), programs.end());
    ReportCrash();
    if (!process_) return;
    if (Running()) TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD ProcessId() const { return id_; }
  bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  bool WaitForExit(int milliseconds = 15000) {
    bool ended = process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
    ReportCrash();
    return ended;
  }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
  }
  // Ended by an exception nothing handled: its exit code is the exception's (0xC0000005 ...).
  bool Crashed() const { return process_ && !Running() && (ExitCode() & 0xC0000000) == 0xC0000000; }
  // Fails the running test once, by the program's name, when the program crashed; says whether it did.
  bool ReportCrash() {
    if (!Crashed()) return false;
    if (!crashReported_) {
      crashReported_ = true;
      char code[16];
      std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(ExitCode()));
      ADD_FAILURE() << name_ << " crashed (exit code " << code << ")";
    }
    return true;
  }

  // A top-level window of this process with that class (any when empty) and title.
  HWND FindWindowOf(const std::string& className, const std::string& title) const {
    WindowSearch search{id_, &className, &title, nullptr};
    EnumWindows(&Program::MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND WaitForWindow(const std::string& className, const std::string& title, int milliseconds = 15000) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(className, title)) != nullptr; }, milliseconds);
    return found;
  }

 private:
  struct WindowSearch {
    DWORD pid;
    const std::string* className;
    const std::string* title;
    HWND found;
  };
  static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid) return TRUE;
    char text[512] = {}, cls[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!s->className->empty() && *s->className != cls) return TRUE;
    if (!s->title->empty() && *s->title != text) return TRUE;
    s->found = hwnd;
    return FALSE;
  }

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  std::string name_;
  bool crashReported_ = false;
};

inline bool ReportCrashes() {
  bool any = false;
  for (Program* program : StartedPrograms()) any = program->ReportCrash() || any;
  return any;
}

// The text of a message box (its static control has the id 0xFFFF).
inline std::string MessageBoxText(HWND box) {
  char text[2048] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

// Presses a button of a message box (IDOK, IDYES, IDNO ...).
inline void AnswerMessageBox(HWND box, int button) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

}  // namespace test
