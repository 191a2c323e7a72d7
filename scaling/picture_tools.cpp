#include "picture_tools.h"

#include <cmath>
#include <optional>

#include "rounding.h"

namespace amb {
namespace {

constexpr double kTwips = 1;

HostStatus ConvertToTwips(HostObject& container, const char* convert, double size, const HostValue& mode,
                          float& out) {
  HostValue result;
  HostStatus s = container.Call(convert, {size, mode, kTwips}, &result);
  if (!s) return s;
  const double* d = std::get_if<double>(&result);
  std::optional<float> single = d ? rt::SingleOf(*d) : std::nullopt;
  if (!single) return HostStatus::Failed(d ? "Overflow" : "Type mismatch");
  out = *single;
  return {};
}

}  // namespace

float CenterOffset(float container, float picture) {
  return container > picture ? container / 2 - picture / 2 : 0;
}

int64_t TileCount(float container, float picture) {
  if (!(picture > 0) || container < kTileStart) return 0;
  return static_cast<int64_t>(std::floor((container - kTileStart) / picture)) + 1;
}

HostObjectPtr ScalePicture(PictureTools& tools, const HostObjectPtr& picture, double xScale, double yScale) {
  float w = 0, h = 0;
  if (!picture || !tools.SizeOf(*picture, w, h) || !(w > 0)) return nullptr;
  return SizePicture(tools, picture, w * xScale, h * yScale);
}

HostObjectPtr SizePicture(PictureTools& tools, const HostObjectPtr& picture, double width, double height) {
  float w = 0, h = 0;
  if (!picture || !tools.SizeOf(*picture, w, h) || !(w > 0)) return nullptr;
  if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height)) return nullptr;
  return tools.Stretch(*picture, static_cast<float>(width), static_cast<float>(height));
}

HostStatus InnerSizeInTwips(HostObject& container, bool convert, float& width, float& height, float* scaleWidth,
                            float* scaleHeight) {
  float w = 0, h = 0;
  HostStatus s = GetFloat(container, "ScaleWidth", w);
  if (s) s = GetFloat(container, "ScaleHeight", h);
  if (!s) return s;
  if (scaleWidth) *scaleWidth = w;
  if (scaleHeight) *scaleHeight = h;
  HostValue mode;
  if (convert && container.Get("ScaleMode", mode)) {
    float tw = 0, th = 0;
    if (!(s = ConvertToTwips(container, "ScaleX", w, mode, tw))) return s;
    if (!(s = ConvertToTwips(container, "ScaleY", h, mode, th))) return s;
    w = tw;
    h = th;
  }
  width = w;
  height = h;
  return {};
}

void ContainerSizeTwips(HostObject& container, float& width, float& height) {
  width = height = 0;
  InnerSizeInTwips(container, true, width, height);
}

HostStatus LayPicture(PictureTools& tools, HostObject& container, const HostObjectPtr& picture, PictureLayout layout) {
  float w = 0, h = 0;
  ContainerSizeTwips(container, w, h);
  float pw = 0, ph = 0;
  if (!picture || !tools.SizeOf(*picture, pw, ph) || !(pw > 0)) return {};
  double back = 0;
  HostStatus s = GetNumber(container, "BackColor", back);
  if (!s) return s;
  std::optional<int32_t> colour = rt::ColourOf(back);
  if (!colour || !(w > 0) || !(h > 0)) return HostStatus::Failed("Invalid property value");
  HostObjectPtr laid = tools.Lay(*picture, layout, w, h, *colour);
  if (!laid) return HostStatus::Failed("Out of memory");
  return container.Let("Picture", laid);
}

// The fit goes through the 32-bit sizes, so a form larger than 32767 twips still gets its picture.
void ApplyFormPicture(PictureTools& tools, HostObject& form, const HostObjectPtr& formPicture, int32_t mode,
                      bool gradientFill, float width, float height) {
  if (!formPicture || gradientFill) return;
  switch (mode) {
    case kFpFit:
      if (HostObjectPtr fitted = SizePicture(tools, formPicture, std::nearbyint(width), std::nearbyint(height)))
        form.Let("Picture", fitted);
      break;
    case kFpCenter: LayPicture(tools, form, formPicture, PictureLayout::Center); break;
    case kFpTile: LayPicture(tools, form, formPicture, PictureLayout::Tile); break;
    default: break;
  }
}

}  // namespace amb
