#pragma once
// MsgBox: the program's message boxes, through the message-box seam.
#include <windows.h>

#include <string>

namespace rt {

// Shows a box; the title defaults to the application title. Returns the button chosen.
int MsgBox(const std::string& text, UINT flags = MB_OK, const std::string& title = {}, HWND owner = nullptr);

}  // namespace rt
