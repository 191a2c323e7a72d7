#pragma once
// TimedMessageBox: a standard message box whose text counts down the seconds left and which
// clicks its own button when the count reaches zero, on the GUI thread. A box shown while another
// is up counts on its own.
#include <windows.h>

#include <string>

namespace TimedMessageBox {

struct MsgBoxData {
  HWND hWnd = nullptr;       // the caller's window (the box's owner in SingleButtonMsg)
  HWND hWndOwner = nullptr;  // owner of the box
  UINT Style = 0;
  bool UseTimer = false;
  long Timeout = 0;  // seconds until the automatic click
  long Count = 0;    // seconds counted so far
  std::string Title;
  std::string Prompt;  // every "%T" stands for the seconds left
};

// The title of the box SingleButtonMsg shows.
inline constexpr char kSingleButtonTitle[] = "Moxbel Tarnwick Program";

inline bool SingleButtonMode = false;  // the box has one button; the hook relabels it
inline std::string Button1Caption;
inline std::string MsgText;  // where a caller builds its message

// A one-button box owned by hwnd that closes itself after the given seconds.
void SingleButtonMsg(const std::string& prompt, HWND hwnd, long seconds);

// Shows the box the record describes; returns the button that closed it.
int TimedMessageBoxH(MsgBoxData& record);

}  // namespace TimedMessageBox
