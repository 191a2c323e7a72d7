#include "fix_window.h"

#include <algorithm>
#include <vector>

#include "rounding.h"
#include "screen.h"
#include "subclass.h"

namespace amb {
namespace {

constexpr double kLargestPixels = 32767;

// One table per thread: windows belong to the thread that made them. The vector itself is
// trivially destroyed with the thread's storage, so a DLL unloaded before the thread ends
// leaves no destructor behind.
std::vector<TrackRecord>& Table() {
  thread_local std::vector<TrackRecord>* table = nullptr;
  if (!table) table = new std::vector<TrackRecord>();
  return *table;
}

std::vector<TrackRecord>::iterator Find(HWND hwnd) {
  std::vector<TrackRecord>& table = Table();
  auto it = std::find_if(table.rbegin(), table.rend(), [&](const TrackRecord& r) { return r.hWnd == hwnd; });
  return it == table.rend() ? table.end() : std::prev(it.base());
}

}  // namespace

void HookWindow(HWND hwnd, LONG minWidth, LONG minHeight, LONG maxWidth, LONG maxHeight) {
  TrackRecord record{
      hwnd, rt::Screen().TwipsToPixelsX(minWidth), rt::Screen().TwipsToPixelsY(minHeight),
      rt::Screen().TwipsToPixelsX(maxWidth), rt::Screen().TwipsToPixelsY(maxHeight), nullptr};
  auto it = Find(hwnd);
  if (it != Table().end()) {
    record.OldWndProc = it->OldWndProc;
    *it = record;
    return;
  }
  if (!rt::InstallSubclass(hwnd, &WindowProc)) return;
  record.OldWndProc = rt::PreviousWindowProc(hwnd, &WindowProc);
  Table().push_back(record);
}

// Another subclass installed on top keeps WindowProc in the chain; without a record it only
// passes messages on.
void UnhookWindow(HWND hwnd) {
  auto it = Find(hwnd);
  if (it == Table().end()) return;
  Table().erase(it);
  rt::RemoveSubclass(hwnd, &WindowProc);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = Find(hwnd);
  if (it != Table().end() && message == WM_GETMINMAXINFO && lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = {it->MinTrackX, it->MinTrackY};
    info->ptMaxTrackSize = {it->MaxTrackX, it->MaxTrackY};
    return 0;
  }
  if (it != Table().end() && message == WM_NCDESTROY) Table().erase(it);
  return rt::CallPreviousWindowProc(&WindowProc, hwnd, message, wParam, lParam);
}

LONG LargestWidth() { return static_cast<LONG>(rt::RoundHalfEven(kLargestPixels * rt::Screen().TwipsPerPixelX())); }
LONG LargestHeight() { return static_cast<LONG>(rt::RoundHalfEven(kLargestPixels * rt::Screen().TwipsPerPixelY())); }

size_t HookedWindowCount() { return Table().size(); }

}  // namespace amb
