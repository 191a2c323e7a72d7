#pragma once
// The common controls library is loaded and its classes registered when the first control window
// or image list is made, not at the start: a program idle in the tray never needs them.

namespace rt {

void EnsureCommonControls();

}  // namespace rt
