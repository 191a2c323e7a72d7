#include "action_requests.h"

#include "front_end.h"
#include "shared_state.h"

namespace DozIzevodoz {
namespace {

void ArmCountdown(bool commandLineWindow) {
  TasksPending = false;
  frontEnd().SetCountdownCaption(commandLineWindow, ActionCaption(ActionCode, ActionName));
}

}  // namespace

void CheckForm1Label2() { ArmCountdown(false); }
void CheckForm1Label3() { ArmCountdown(true); }

}  // namespace DozIzevodoz
