#pragma once
// Whether a window shows the program's icon, large and small, as drawn (the resource lies in the
// test's own executable).
#include <windows.h>

#include <gtest/gtest.h>

#include "dib_canvas.h"
#include "program_icon.h"

namespace test {

inline ::testing::AssertionResult ShowsProgramIcon(HWND window) {
  for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
    const char* name = which == ICON_BIG ? "large" : "small";
    const HICON icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
    if (!icon) return ::testing::AssertionFailure() << "no " << name << " icon";
    const int size = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    const HICON program = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TARNWICK), IMAGE_ICON, size, size, LR_SHARED));
    if (!program) return ::testing::AssertionFailure() << "the program icon is not among the resources";
    if (DrawnIcon(icon, size).rgb != DrawnIcon(program, size).rgb)
      return ::testing::AssertionFailure() << "the " << name << " icon is not the program's";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace test
