#pragma once
// The library's two boxes as the calling thread has them up: the about box, found by its caption,
// and the printing box, found by its Cancel button; and a system that refuses one of them its window.
#include <windows.h>

#include <string>

namespace ambtest {

inline BOOL CALLBACK TakeAboutBox(HWND w, LPARAM out) {
  char caption[64] = {};
  GetWindowTextA(w, caption, sizeof caption);
  if (!IsWindowVisible(w) || std::string(caption) != "About Ambrelo") return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

inline HWND AboutBoxOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &TakeAboutBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Posted, as another program's click would come.
inline void ClickOk(HWND about) {
  if (HWND ok = FindWindowExA(about, nullptr, nullptr, "OK")) PostMessageA(ok, BM_CLICK, 0, 0);
}

inline BOOL CALLBACK TakeCancelButton(HWND top, LPARAM out) {
  HWND button = FindWindowExA(top, nullptr, nullptr, "&Cancel");
  if (!button || !IsWindowVisible(top)) return TRUE;
  *reinterpret_cast<HWND*>(out) = button;
  return FALSE;
}

// The Cancel button of the thread's printing box (shown or not); null while the box is not up.
inline HWND PrintingBoxCancelOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &TakeCancelButton, reinterpret_cast<LPARAM>(&found));
  return found;
}

// While alive, the system refuses the calling thread every window of the given caption as it is
// made (a hook of the thread's, as a starved desktop would).
class RefusedWindow {
 public:
  explicit RefusedWindow(const char* caption)
      : hook_(SetWindowsHookExA(WH_CBT, &Refuse, nullptr, GetCurrentThreadId())) {
    t_caption = caption;
  }
  ~RefusedWindow() {
    if (hook_) UnhookWindowsHookEx(hook_);
    t_caption = nullptr;
  }
  RefusedWindow(const RefusedWindow&) = delete;
  RefusedWindow& operator=(const RefusedWindow&) = delete;
  explicit operator bool() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_caption) {
      const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      if (create->lpszName && HIWORD(reinterpret_cast<ULONG_PTR>(create->lpszName)) &&
          lstrcmpA(create->lpszName, t_caption) == 0)
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline thread_local const char* t_caption = nullptr;
  HHOOK hook_;
};

}  // namespace ambtest
