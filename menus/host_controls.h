#pragma once
// The host form's controls that captions name ("LB:lstFiles", "IMG:imgLogo"): by name, or by name
// and index for a member of a control array ("lstFiles(2)").
#include <windows.h>

#include <string_view>

namespace modMenus {

// The control's window; nullptr when the form has no such control.
HWND FindHostControl(HWND form, std::string_view name);
// The control's picture; nullptr when none.
HANDLE HostControlPicture(HWND form, std::string_view name);

}  // namespace modMenus
