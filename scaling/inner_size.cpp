#include "inner_size.h"

namespace amb {
namespace {

constexpr int16_t kTwips = 1;

HostStatus ToTwips(HostForm& form, const char* convert, const BagValue& scaleMode, float& size) {
  std::vector<BagValue> args = {size, scaleMode, kTwips};
  BagValue result;
  HostStatus s = form.Call(convert, args, &result);
  if (!s) return s;
  std::optional<BagValue> single = ConvertBagValue(result, BagType::Single);
  if (!single) return HostStatus::Failed("Type mismatch");
  size = std::get<float>(*single);
  return {};
}

}  // namespace

HostStatus InnerSizeTwips(HostForm& form, bool mdiParent, float& width, float& height) {
  float w = 0, h = 0;
  HostStatus s = GetSingle(form, "ScaleWidth", w);
  if (s) s = GetSingle(form, "ScaleHeight", h);
  if (!s) return s;
  if (!mdiParent) {
    BagValue scaleMode;
    s = form.Get("ScaleMode", scaleMode);
    if (s) s = ToTwips(form, "ScaleX", scaleMode, w);
    if (s) s = ToTwips(form, "ScaleY", scaleMode, h);
    if (!s) return s;
  }
  width = w;
  height = h;
  return {};
}

}  // namespace amb
