#pragma once
// The shutdown engine: the tasks tied to an action, then the power action itself; and the events of
// the tray's pending actions, each carried through as their owner (pending_actions.h) says.
#include <windows.h>

#include <cstdint>
#include <string>

namespace DozIzevodoz {

// Carries out the pending action (ActionCode, ActionName) at once, its tasks first: the end of the
// command-line countdown, or the command line's start without one.
void StartShutdownProcess();

// A power request of the tray menu or a hot key.
void TrayActionRequested(const std::string& name, int32_t code);
// The tray countdown Form1 ran out.
void TrayCountdownRanOut();
// The user cancelled the tray countdown; its window is gone.
void TrayCountdownCancelled();
// The exit question was answered: OK (the program ends) or Cancel (the tray countdown window closes).
void ExitQuestionAnswered(bool exit);

// Ends the process that owns the first top-level window of class "progman" (the 9x shell, which
// would otherwise hold up a forced shutdown).
void StopProgramManager();
// Ends the process that owns the window.
void KillProcess(HWND& window);

}  // namespace DozIzevodoz
