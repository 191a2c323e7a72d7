#pragma once
// Form2: the countdown of an action asked for on the command line.
#include "form1.h"

namespace tray {

CountdownForm& Form2();

}  // namespace tray
