#pragma once
// What the tray's dialogs share as windows: a fixed frame without minimise and maximise boxes,
// centred on the screen, with the program's icon.
#include "form.h"
#include "tray_resources.h"

namespace tray {

inline rt::FormSettings DialogSettings(int clientWidth, int clientHeight) {
  rt::FormSettings s;
  s.clientWidth = clientWidth;
  s.clientHeight = clientHeight;
  s.border = rt::FormBorder::FixedSingle;
  s.minButton = s.maxButton = false;
  s.startPosition = rt::StartPosition::CenterScreen;
  s.icon = IDI_TARNWICK;
  return s;
}

}  // namespace tray
