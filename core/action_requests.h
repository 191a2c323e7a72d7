#pragma once
// Arming the countdown windows for the pending action.
#include <cstdint>
#include <string>

#include "action_support.h"

namespace DozIzevodoz {

// The countdown caption of an action: from the code, else from the name ("" when neither fits).
std::string ActionCaption(int32_t actionCode, const std::string& actionName);

// Prepares the tray countdown Form1 / the command-line countdown Form2 for the pending action:
// "Run Tasks" when RunTasks is "Yes" and a task is tied to it (and, for Form1, its tasks have not
// run yet), else the action's caption. The first touch loads the window and starts its count; a
// repeat request only rewrites the caption. The task file is read for the caption without a word:
// one that cannot be read now is read again when the run starts. True when the window counts down.
bool CheckForm1Label2(bool tasksDone = false);
bool CheckForm1Label3();

// A power request of the tray menu or a hot key: the pending action, then what its owner says.
void RequestAction(int32_t code, const char* name);
// The same for an action the system may lack; without it the text says so in an information box
// and the pending action stays as it was.
void RequestActionIfSupported(Capability needs, int32_t code, const char* name);

}  // namespace DozIzevodoz
