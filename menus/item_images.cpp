#include "item_images.h"

#include <cstdint>
#include <string>

#include "caption_language.h"
#include "caption_text.h"
#include "host_controls.h"
#include "image_facts.h"

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
  const std::string value = TrimBlanks(GetAttribute(block, "IMG:"));
  if (value.empty() || value == "0") return image;
  HANDLE handle = Resolve(value, source);
  const ImageFacts facts = ProbeImage(handle);
  // An icon is drawn from its colour bitmap; one without gives no image.
  if (facts.kind == ImageFacts::Kind::None || (facts.kind == ImageFacts::Kind::Icon && !facts.iconColor)) return image;
  image.handle = handle;
  image.isBitmap = facts.kind == ImageFacts::Kind::Bitmap;
  image.ownPixels = facts.ownPixels;
  image.width = facts.width;
  image.height = facts.height;
  return image;
}

}  // namespace modMenus
