#include "capability_probe.h"

namespace DozIzevodoz {

void ClearUnsupported(const CapabilitySources& system, const std::string& systemDriveRoot, Capabilities& caps) {
  if (!system.hasSetSystemPowerState()) caps.suspend = caps.hibernate = false;
  if (system.askPowrprof("IsPwrShutdownAllowed") != true) caps.powerOff = false;
  if (system.askPowrprof("IsPwrSuspendAllowed") != true) caps.suspend = false;
  std::optional<bool> hibernate = system.askPowrprof("IsPwrHibernateAllowed");
  if (hibernate ? !*hibernate : !system.fileExists(systemDriveRoot + "hiberfil.sys")) caps.hibernate = false;
}

}  // namespace DozIzevodoz
