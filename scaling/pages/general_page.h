#pragma once
// The General page: 23 scalar properties of the control in check boxes, text boxes and two lists.
#include <windows.h>

namespace amb::pages {

// The ids of the page's controls, in the design table's order.
enum GeneralId : int {
  kChkCenterX = 100, kTxtScaleX, kTxtScaleY, kTxtMinHeight, kTxtMinWidth, kChkCenterY, kChkStayOnTop,
  kChkResizeOnMouseUp, kChkGradientFill, kChkScaleBorders, kChkScaleFonts, kChkScaleControls, kChkScaleGraphics,
  kChkSaveWindowState, kTxtWindowName, kTxtMdiChildHeight, kTxtMdiChildWidth, kTxtMaxWidth, kTxtMaxHeight,
  kCmbSource, kCmbType, kChkBeepOnMinMax, kChkResizeAtOnce,
};

HRESULT CreateGeneralPage(REFIID riid, void** ppv);

}  // namespace amb::pages
