#pragma once
// The FormEffects page: open and close effects with their times, and the form-picture mode.
#include <windows.h>

namespace amb::pages {

enum FormEffectsId : int { kCmbFormOpen = 400, kCmbFormClose, kCmbFormPicture, kTxtFormOpenTime, kTxtFormCloseTime };

HRESULT CreateFormEffectsPage(REFIID riid, void** ppv);

}  // namespace amb::pages
