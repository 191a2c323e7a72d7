#include "action_support.h"

#include "shared_state.h"

namespace DozIzevodoz {

bool IsSupported(Capability capability) {
  switch (capability) {
    case Capability::PowerOff: return PowerOffSupported;
    case Capability::Suspend: return SuspendSupported;
    case Capability::Hibernate: return HibernateSupported;
    case Capability::None: break;
  }
  return true;
}

const char* NotSupportedText(Capability capability) {
  switch (capability) {
    case Capability::PowerOff: return "PowerOff Is Not Supported On This System";
    case Capability::Suspend: return "Suspend Is Not Supported On This System";
    case Capability::Hibernate: return "Hibernate Is Not Supported On This System";
    case Capability::None: break;
  }
  return "";
}

}  // namespace DozIzevodoz
