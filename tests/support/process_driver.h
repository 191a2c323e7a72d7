#pragma once
// Drives another program of the test prefix: starts it, finds its windows, reads and answers its
// message boxes.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace test {

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
  }
  ~Program() {
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
  bool WaitForExit(int milliseconds = 15000) const {
    return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
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
};

// The text of a message box (its static control has the id 0xFFFF).
inline std::string MessageBoxText(HWND box) {
  char text[2048] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

// Presses a button of a message box (IDOK, IDYES, IDNO ...).
inline void AnswerMessageBox(HWND box, int button) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

}  // namespace test
