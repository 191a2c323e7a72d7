#include "image_facts.h"

namespace modMenus {

ImageFacts ProbeImage(HANDLE image) {
  ImageFacts facts;
  if (!image) return facts;
  BITMAP bitmap{};
  if (GetObjectType(image) == OBJ_BITMAP) {
    if (GetObjectA(image, sizeof bitmap, &bitmap) != sizeof bitmap) return facts;
    DIBSECTION dib{};
    facts.kind = ImageFacts::Kind::Bitmap;
    facts.ownPixels = GetObjectA(image, sizeof dib, &dib) == sizeof dib;
    facts.width = bitmap.bmWidth;
    facts.height = bitmap.bmHeight;
    return facts;
  }
  ICONINFO icon{};
  if (!GetIconInfo(static_cast<HICON>(image), &icon)) return facts;
  facts.kind = ImageFacts::Kind::Icon;
  facts.iconMask = icon.hbmMask != nullptr;
  facts.iconColor = icon.hbmColor != nullptr;
  if (icon.hbmColor && GetObjectA(icon.hbmColor, sizeof bitmap, &bitmap) == sizeof bitmap) {
    facts.width = bitmap.bmWidth;
    facts.height = bitmap.bmHeight;
  }
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  return facts;
}

}  // namespace modMenus
