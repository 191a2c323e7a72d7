#include "timed_message_box.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "countdown_text.h"
#include "os/message_box.h"
#include "scoped_win.h"

namespace TimedMessageBox {
namespace {

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { UnhookWindowsHookEx(h); }
};

// One box on its way up or on screen, with its own hook, timer and controls, so that a box shown
// while another is up (from a handler its message loop runs) leaves the other's countdown alone.
// The controls are found by class and visibility, not by dialog id: the ids, and which buttons
// exist but are hidden, differ between systems.
struct PendingBox {
  MsgBoxData* record = nullptr;
  std::optional<std::string> buttonCaption;  // the caption the button gets, in single-button mode
  rt::UniqueResource<HookTraits> hook;
  UINT_PTR timer = 0;
  HWND box = nullptr;
  HWND button = nullptr;
  HWND text = nullptr;
};

// The boxes of this thread, the innermost last.
std::vector<PendingBox*> g_boxes;

bool HasClass(HWND hwnd, const char* wanted) {
  char name[32] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return _stricmp(name, wanted) == 0;
}

BOOL CALLBACK FindControls(HWND child, LPARAM param) {
  auto* pending = reinterpret_cast<PendingBox*>(param);
  LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return TRUE;
  if (!pending->button && HasClass(child, "Button")) pending->button = child;
  if (!pending->text && HasClass(child, "Static") && (style & SS_TYPEMASK) != SS_ICON) pending->text = child;
  return TRUE;
}

// The first dialog activated after a box's hook is set is that box: it goes to the innermost box
// still waiting for its window. A box that is up already, coming to the front again (the user
// clicks it while the next one is on its way up), is no new window.
LRESULT CALLBACK MsgBoxHookProcA(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  HWND activated = reinterpret_cast<HWND>(wParam);
  if (code != HCBT_ACTIVATE || !HasClass(activated, "#32770")) return next;
  if (std::any_of(g_boxes.begin(), g_boxes.end(), [activated](const PendingBox* p) { return p->box == activated; }))
    return next;
  for (auto it = g_boxes.rbegin(); it != g_boxes.rend(); ++it) {
    PendingBox& pending = **it;
    if (pending.box) continue;
    pending.box = activated;
    EnumChildWindows(activated, FindControls, reinterpret_cast<LPARAM>(&pending));
    if (pending.buttonCaption && pending.button) SetWindowTextA(pending.button, pending.buttonCaption->c_str());
    pending.hook.reset();
    break;
  }
  return next;
}

void CALLBACK TimerProc(HWND, UINT message, UINT_PTR id, DWORD) {
  if (message != WM_TIMER) return;
  auto found = std::find_if(g_boxes.begin(), g_boxes.end(), [id](const PendingBox* p) { return p->timer == id; });
  if (found == g_boxes.end() || !(*found)->box) return;
  PendingBox& pending = **found;
  MsgBoxData& record = *pending.record;
  ++record.Count;
  if (pending.text) SetWindowTextA(pending.text, CountdownText(record.Prompt, record.Timeout - record.Count).c_str());
  if (record.Count < record.Timeout) return;
  KillTimer(nullptr, pending.timer);
  pending.timer = 0;
  if (pending.button) SendMessageA(pending.button, BM_CLICK, 0, 0);
}

}  // namespace

void SingleButtonMsg(const std::string& prompt, HWND hwnd, long seconds) {
  Button1Caption = "OK";
  MsgBoxData record;
  record.Title = kSingleButtonTitle;
  record.Style = MB_ICONINFORMATION;
  record.UseTimer = true;
  record.Timeout = seconds;
  record.Count = 0;
  record.hWnd = hwnd;
  record.hWndOwner = hwnd;
  record.Prompt = prompt;
  TimedMessageBoxH(record);
}

// The timer is a thread timer with an id of the system's choosing, so it cannot collide with the
// timers of the owner window, nor with those of another box.
int TimedMessageBoxH(MsgBoxData& record) {
  PendingBox pending;
  pending.record = &record;
  if (SingleButtonMode) pending.buttonCaption = Button1Caption;
  g_boxes.push_back(&pending);
  rt::ScopeExit forget([&pending] {
    if (pending.timer) KillTimer(nullptr, pending.timer);
    g_boxes.erase(std::find(g_boxes.begin(), g_boxes.end(), &pending));
  });
  // A hook for a thread of this process, with its procedure in this process, takes no module.
  pending.hook.reset(SetWindowsHookExA(WH_CBT, MsgBoxHookProcA, nullptr, GetCurrentThreadId()));
  record.Count = 0;
  if (record.UseTimer) pending.timer = SetTimer(nullptr, 0, 1000, TimerProc);
  int result = os::messageBoxes().Show(record.hWndOwner, CountdownText(record.Prompt, record.Timeout), record.Title,
                                       record.Style);
  SingleButtonMode = false;
  Button1Caption.clear();
  MsgText.clear();
  return result;
}

}  // namespace TimedMessageBox
