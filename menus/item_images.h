#pragma once
// The picture an "IMG:" entry names: a handle, "I" and a number in the host's image list, or a
// host control whose picture is used.
#include <windows.h>

#include <string_view>

#include "controls.h"

namespace modMenus {

struct ImageSource {
  const rt::ImageList* imageList = nullptr;
  HWND form = nullptr;
};

struct ResolvedImage {
  HANDLE handle = nullptr;  // nullptr: no image
  bool ownPixels = false;   // a bitmap with its own pixel memory (a DIB section)
  bool isBitmap = false;
  int width = 0, height = 0;
};

ResolvedImage GetImageListImage(std::string_view block, const ImageSource& source);

}  // namespace modMenus
