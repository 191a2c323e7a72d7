#pragma once
// The library's two boxes as the calling thread has them up: the about box, found by its caption,
// and the printing box, found by its Cancel button.
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

}  // namespace ambtest
