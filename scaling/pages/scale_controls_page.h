#pragma once
// The ScaleControls page: the exclusion list of controls that are not moved and sized, with six
// lock boxes for the current control's edges and extents.
#include <windows.h>

namespace amb::pages {

// In the order of Lock.
enum ScaleControlsId : int { kLockLeft = 300, kLockTop, kLockWidth, kLockHeight, kLockRight, kLockBottom };
inline constexpr UINT_PTR kDeselectTimer = 1;
inline constexpr UINT kDeselectDelayMs = 100;

HRESULT CreateScaleControlsPage(REFIID riid, void** ppv);

}  // namespace amb::pages
