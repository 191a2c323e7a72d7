#pragma once
// The rules of the power-capability probe, over the answers of the system.
#include <functional>
#include <optional>
#include <string>

namespace DozIzevodoz {

struct Capabilities {
  bool suspend = true, hibernate = true, powerOff = true;
};

// What the probe asks the system.
struct CapabilitySources {
  std::function<bool()> hasSetSystemPowerState;
  // A powrprof query ("IsPwrShutdownAllowed" ...): its answer, or nullopt when it does not exist.
  std::function<std::optional<bool>(const char* function)> askPowrprof;
  std::function<bool(const std::string& path)> fileExists;
};

// Clears what the system lacks; never sets a flag back.
void ClearUnsupported(const CapabilitySources& system, const std::string& systemDriveRoot, Capabilities& caps);

}  // namespace DozIzevodoz
