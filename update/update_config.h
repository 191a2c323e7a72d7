#pragma once
#include <string>

namespace AutoUpdate {

// The update host's base address: the setting "UpdateServer", else the build's default (empty
// unless the build names one). Empty when neither is set or the address is not acceptable, so
// that no check reaches an unsafe host.
std::string UpdateBase();

}  // namespace AutoUpdate
