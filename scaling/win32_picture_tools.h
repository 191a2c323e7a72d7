#pragma once
// Pictures drawn with GDI into DIB sections and handed out as new picture objects
// (OleCreatePictureIndirect), sized in twips of this display. The results are plain bitmaps: the
// transparent parts of icons and GIFs are flattened onto the background colour (the container's
// for centring and tiling, the button face for stretching).
#include "picture_tools.h"

namespace amb {

class Win32PictureTools final : public PictureTools {
 public:
  bool SizeOf(HostObject& picture, float& width, float& height) override;
  HostObjectPtr Stretch(HostObject& picture, float width, float height) override;
  HostObjectPtr Lay(HostObject& picture, PictureLayout layout, float width, float height, int32_t backColor) override;
};

// The largest side, in pixels, of a picture the tools draw: a bigger one is refused rather than
// taking the memory of the process.
inline constexpr int kMaxPictureSide = 16384;

}  // namespace amb
