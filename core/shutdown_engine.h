#pragma once
// The shutdown engine: the tasks tied to the pending action, then the power action itself.
#include <windows.h>

namespace DozIzevodoz {

void StartShutdownProcess();
// The user cancelled the tray countdown. When it counted for a request made during a task run,
// the action that run was for stands again and is carried out now (its tasks have run).
void TrayCountdownCancelled();

// Ends the process that owns the first top-level window of class "progman" (the 9x shell, which
// would otherwise hold up a forced shutdown).
void StopProgramManager();
// Ends the process that owns the window.
void KillProcess(HWND& window);

}  // namespace DozIzevodoz
