#pragma once
// The child windows of a window, also one of another process, found by class and text.
#include <windows.h>

#include <string>

namespace test {

// The first visible descendant of the class (compared without case) whose text begins with
// `textStart` (any text when it is null); nullptr when there is none.
inline HWND FindDescendant(HWND parent, const char* className, const char* textStart = nullptr) {
  struct Search {
    const char* className;
    const char* textStart;
    HWND found;
  } search{className, textStart, nullptr};
  struct Callback {
    static BOOL CALLBACK Visit(HWND child, LPARAM p) {
      auto* s = reinterpret_cast<Search*>(p);
      char name[64] = {}, text[512] = {};
      GetClassNameA(child, name, sizeof name);
      if (lstrcmpiA(name, s->className) != 0 || !IsWindowVisible(child)) return TRUE;
      // Asked of the window itself: an edit box of another process keeps what it shows to itself.
      DWORD_PTR length = 0;
      if (s->textStart && !SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                               SMTO_ABORTIFHUNG, 2000, &length))
        return TRUE;
      if (s->textStart && std::string(text).rfind(s->textStart, 0) != 0) return TRUE;
      s->found = child;
      return FALSE;
    }
  };
  EnumChildWindows(parent, &Callback::Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Whether a click on the middle of the window reaches it: at each level up to its top-level
// window, no sibling above it in the z-order covers that point. A control drawn over by another
// shows as nothing, however visible it is.
inline bool ReachableAtItsMiddle(HWND window) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  for (HWND child = window, parent = GetParent(window); parent && (GetWindowLongA(child, GWL_STYLE) & WS_CHILD);
       child = parent, parent = GetParent(parent)) {
    POINT at = middle;
    ScreenToClient(parent, &at);
    if (ChildWindowFromPointEx(parent, at, CWP_SKIPINVISIBLE) != child) return false;
  }
  return true;
}

}  // namespace test
