#include "subclass.h"

#include <map>
#include <mutex>
#include <utility>

namespace rt {
namespace {

using Key = std::pair<HWND, WNDPROC>;

// One table for the process, as a window may be subclassed from a thread other than its own; the
// lock is never held while a window procedure runs, which may subclass or unsubclass in turn.
std::mutex& RecordsLock() {
  static std::mutex lock;
  return lock;
}

std::map<Key, WNDPROC>& Records() {
  static std::map<Key, WNDPROC> records;
  return records;
}

WNDPROC CurrentProc(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)); }

}  // namespace

bool InstallSubclass(HWND hwnd, WNDPROC proc) {
  if (!IsWindow(hwnd) || !proc) return false;
  std::lock_guard<std::mutex> hold(RecordsLock());
  if (Records().count({hwnd, proc})) return true;
  SetLastError(0);
  LONG_PTR previous = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  if (previous == 0 && GetLastError() != 0) return false;
  Records()[{hwnd, proc}] = reinterpret_cast<WNDPROC>(previous);
  return true;
}

WNDPROC PreviousWindowProc(HWND hwnd, WNDPROC proc) {
  std::lock_guard<std::mutex> hold(RecordsLock());
  auto it = Records().find({hwnd, proc});
  return it == Records().end() ? nullptr : it->second;
}

LRESULT CallPreviousWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousWindowProc(hwnd, proc);
  LRESULT result = previous ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                            : DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    std::lock_guard<std::mutex> hold(RecordsLock());
    Records().erase({hwnd, proc});
  }
  return result;
}

bool RemoveSubclass(HWND hwnd, WNDPROC proc) {
  std::lock_guard<std::mutex> hold(RecordsLock());
  auto it = Records().find({hwnd, proc});
  if (it == Records().end()) return true;
  if (IsWindow(hwnd)) {
    if (CurrentProc(hwnd) != proc) return false;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second));
  }
  Records().erase(it);
  return true;
}

void ForgetSubclasses(HWND hwnd) {
  std::lock_guard<std::mutex> hold(RecordsLock());
  auto& records = Records();
  for (auto it = records.lower_bound({hwnd, nullptr}); it != records.end() && it->first.first == hwnd;)
    it = records.erase(it);
}

}  // namespace rt
