#pragma once
// Everything one control instance keeps and persists, with the values of a new instance.
#include <cstdint>
#include <string>

#include "control_flag_list.h"

namespace amb {

// The host form's Width, Height, ScaleWidth and ScaleHeight as they were in the designer.
struct DesignSize {
  float width = 0, height = 0, scaleWidth = 0, scaleHeight = 0;
  bool operator==(const DesignSize&) const = default;
};

inline constexpr int32_t kDefaultGradientColour = 0xFF0000;
inline constexpr const char* kNoReplacementFont = "<none>";

struct AmbreloSettings {
  bool enabled = true;  // the control's own enabled state
  int32_t mdiChildWidth = 0, mdiChildHeight = 0;
  DesignSize design;
  int16_t formClose = 0, formOpen = 0;
  float formCloseTime = 1, formOpenTime = 1;
  int32_t formPicture = 0;
  std::string windowName;
  bool saveWindowState = false;
  std::string replaceFontsWith = kNoReplacementFont;
  bool scaleGraphics = true;
  ControlFlagList flags;
  bool resizeOnMouseUp = true, scaleBorders = true;
  int32_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool stayOnTop = false, scaleControls = true;
  int16_t scaleX = 0, scaleY = 0;
  bool gradientFill = false;
  int32_t gradientColour = kDefaultGradientColour, gradientColour2 = 0, gradientMidColour = 0;
  int32_t gradientSource = 0, gradientType = 0;
  bool centerX = false, centerY = false;
  bool scaleFonts = true, beepOnMinMax = true, resizeAtOnce = true;
};

// What a container's "new instance" request sets: every default except the enabled state, the MDI
// child size, the design size and the flag arrays, which keep what they hold.
void ApplyNewInstanceDefaults(AmbreloSettings& s);

}  // namespace amb
