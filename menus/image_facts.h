#pragma once
// What a handle is as a picture: a bitmap (with pixel memory of its own or not) or an icon, and
// its size. The one probe the item images, the side bar and the image drawing share.
#include <windows.h>

namespace modMenus {

struct ImageFacts {
  enum class Kind { None, Bitmap, Icon };
  Kind kind = Kind::None;
  bool ownPixels = false;     // a bitmap that is a DIB section
  bool iconMask = false;      // an icon with its mask bitmap
  bool iconColor = false;     // an icon with its colour bitmap
  int width = 0, height = 0;  // the bitmap's, or the icon's colour bitmap's
};

ImageFacts ProbeImage(HANDLE image);

}  // namespace modMenus
