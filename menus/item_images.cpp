#include "item_images.h"

#include <cstdint>
#include <string>

#include "caption_language.h"
#include "caption_text.h"
#include "host_controls.h"

namespace modMenus {
namespace {

HANDLE Resolve(const std::string& value, const ImageSource& source) {
  if (auto number = ParseHandleValue(value)) return reinterpret_cast<HANDLE>(*number);
  if (StartsWithNoCase(value, "&H"))
    if (auto number = ParseHandleValue(std::string_view(value).substr(2), 16)) return reinterpret_cast<HANDLE>(*number);
  if (value[0] == 'I' || value[0] == 'i')
    if (auto number = ParseDigits(std::string_view(value).substr(1))) {
      if (!source.imageList || *number < 1 || *number > static_cast<uint64_t>(source.imageList->Count())) return nullptr;
      return source.imageList->Icon(static_cast<int>(*number));
    }
  return HostControlPicture(source.form, value);
}

}  // namespace

ResolvedImage GetImageListImage(std::string_view block, const ImageSource& source) {
  ResolvedImage image;
  const std::string value = Trim(GetAttribute(block, "IMG:"));
  if (value.empty() || value == "0") return image;
  HANDLE handle = Resolve(value, source);
  if (!handle) return image;
  if (GetObjectType(handle) == OBJ_BITMAP) {
    DIBSECTION dib{};
    BITMAP info{};
    image.isBitmap = true;
    image.ownPixels = GetObjectA(handle, sizeof dib, &dib) == sizeof dib;
    GetObjectA(handle, sizeof info, &info);
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.handle = handle;
    return image;
  }
  ICONINFO icon{};
  if (!GetIconInfo(static_cast<HICON>(handle), &icon)) return image;
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  if (!icon.hbmColor) return image;
  BITMAP info{};
  GetObjectA(icon.hbmColor, sizeof info, &info);
  DeleteObject(icon.hbmColor);
  image.width = info.bmWidth;
  image.height = info.bmHeight;
  image.handle = handle;
  return image;
}

}  // namespace modMenus
