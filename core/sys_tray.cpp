#include "sys_tray.h"

#include <algorithm>
#include <cstring>

#include "os/notify_area.h"

namespace SysTray {
namespace {

struct IconState {
  bool shown = false;
  bool wanted = false;
  HWND window = nullptr;
  std::string tip;
  HICON icon = nullptr;
};

IconState& State() {
  static IconState state;
  return state;
}

bool Add() {
  IconState& s = State();
  NOTIFYICONDATAA record = AddRecord(s.window, s.tip, s.icon);
  s.shown = os::notifyArea().Notify(NIM_ADD, record);
  return s.shown;
}

}  // namespace

NOTIFYICONDATAA AddRecord(HWND window, const std::string& tip, HICON icon) {
  NOTIFYICONDATAA record = DeleteRecord(window);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kCallbackMessage;
  record.hIcon = icon;
  constexpr size_t kTipField = 64;
  std::memset(record.szTip, ' ', kTipField);
  const size_t length = std::min(tip.size(), kTipField - 1);
  std::memcpy(record.szTip, tip.data(), length);
  record.szTip[length] = '\0';
  return record;
}

NOTIFYICONDATAA DeleteRecord(HWND window) {
  NOTIFYICONDATAA record = {};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kIconId;
  return record;
}

bool IconShow(HWND window, const std::string& tip, HICON icon) {
  IconState& s = State();
  if (s.shown) return true;
  s.wanted = true;
  s.window = window;
  s.tip = tip;
  s.icon = icon;
  return Add();
}

void IconHide(HWND window) {
  IconState& s = State();
  s.wanted = false;
  if (!s.shown) return;
  os::notifyArea().Notify(NIM_DELETE, DeleteRecord(window));
  s.shown = false;
}

bool IconShown() { return State().shown; }

bool AddPending() { return State().wanted && !State().shown; }

bool RetryAdd() { return AddPending() ? Add() : State().shown; }

void TaskbarCreated() {
  IconState& s = State();
  if (!s.wanted) return;
  s.shown = false;
  Add();
}

}  // namespace SysTray
