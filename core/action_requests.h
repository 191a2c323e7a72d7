#pragma once
// Arming the countdown windows for the pending action.
#include <cstdint>
#include <string>

namespace DozIzevodoz {

// The countdown caption of an action: from the code, else from the name ("" when neither fits).
std::string ActionCaption(int32_t actionCode, const std::string& actionName);

// Prepares the tray countdown Form1 / the command-line countdown Form2 for the pending action.
void CheckForm1Label2();
void CheckForm1Label3();

}  // namespace DozIzevodoz
