#include "timed_message_box.h"

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

// What the hook found of the pending box. The controls are found by class and visibility, not
// by dialog id: the ids, and which buttons exist but are hidden, differ between systems.
struct PendingBox {
  MsgBoxData* record = nullptr;
  rt::UniqueResource<HookTraits> hook;
  UINT_PTR timer = 0;
  HWND box = nullptr;
  HWND button = nullptr;
  HWND text = nullptr;
};

PendingBox g_pending;

bool HasClass(HWND hwnd, const char* wanted) {
  char name[32] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return _stricmp(name, wanted) == 0;
}

BOOL CALLBACK FindControls(HWND child, LPARAM) {
  LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return TRUE;
  if (!g_pending.button && HasClass(child, "Button")) g_pending.button = child;
  if (!g_pending.text && HasClass(child, "Static") && (style & SS_TYPEMASK) != SS_ICON) g_pending.text = child;
  return TRUE;
}

LRESULT CALLBACK MsgBoxHookProcA(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT next = CallNextHookEx(g_pending.hook.get(), code, wParam, lParam);
  HWND activated = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && !g_pending.box && HasClass(activated, "#32770")) {
    g_pending.box = activated;
    EnumChildWindows(g_pending.box, FindControls, 0);
    if (SingleButtonMode && g_pending.button) SetWindowTextA(g_pending.button, Button1Caption.c_str());
    g_pending.hook.reset();
  }
  return next;
}

void CALLBACK TimerProc(HWND, UINT message, UINT_PTR id, DWORD) {
  if (message != WM_TIMER || id != g_pending.timer || !g_pending.box || !g_pending.record) return;
  MsgBoxData& record = *g_pending.record;
  ++record.Count;
  if (g_pending.text)
    SetWindowTextA(g_pending.text, CountdownText(record.Prompt, record.Timeout - record.Count).c_str());
  if (record.Count < record.Timeout) return;
  KillTimer(nullptr, g_pending.timer);
  g_pending.timer = 0;
  if (g_pending.button) SendMessageA(g_pending.button, BM_CLICK, 0, 0);
}

}  // namespace

void SingleButtonMsg(const std::string& prompt, HWND hwnd, long seconds) {
  Button1Caption = "OK";
  MsgBoxData record;
  record.Title = kTitle;
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
// timers of the owner window. All state is cleared when the box has closed, whether or not the
// hook saw it, so that the next box starts clean.
int TimedMessageBoxH(MsgBoxData& record) {
  g_pending = {};
  g_pending.record = &record;
  // A hook for a thread of this process, with its procedure in this process, takes no module.
  g_pending.hook.reset(SetWindowsHookExA(WH_CBT, MsgBoxHookProcA, nullptr, GetCurrentThreadId()));
  record.Count = 0;
  if (record.UseTimer) g_pending.timer = SetTimer(nullptr, 0, 1000, TimerProc);
  int result = os::messageBoxes().Show(record.hWndOwner, CountdownText(record.Prompt, record.Timeout), record.Title,
                                       record.Style);
  SingleButtonMode = false;
  Button1Caption.clear();
  MsgText.clear();
  if (g_pending.timer) KillTimer(nullptr, g_pending.timer);
  g_pending = {};
  return result;
}

}  // namespace TimedMessageBox
