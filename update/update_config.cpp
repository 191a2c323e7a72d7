#include "update_config.h"

#include "mod_registry.h"
#include "settings_keys.h"
#include "update_address.h"

#ifndef TARNWICK_UPDATE_SERVER
#define TARNWICK_UPDATE_SERVER ""
#endif

namespace AutoUpdate {

std::string UpdateBase() {
  std::string base;
  modRegistry::fReadValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kSettingsKey, "UpdateServer", "S",
                          TARNWICK_UPDATE_SERVER, base);
  return IsAcceptableUpdateBase(base) ? base : std::string();
}

}  // namespace AutoUpdate
