#include "action_requests.h"

namespace DozIzevodoz {

std::string ActionCaption(int32_t actionCode, const std::string& actionName) {
  switch (actionCode) {
    case 0: return "Shutdown";
    case 1: return "LogOff";
    case 2: return "Reboot";
    case 4: return "PowerOff";
    case 8: return "Suspend";
    case 16: return "Hibernate";
    default: break;
  }
  if (actionName == "Sus") return "Suspend";
  if (actionName == "Pwr") return "PowerOff";
  if (actionName == "Hib") return "Hibernate";
  return {};
}

}  // namespace DozIzevodoz
