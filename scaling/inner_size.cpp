#include "inner_size.h"

#include <optional>

#include "rounding.h"

namespace amb {
namespace {

constexpr double kTwips = 1;

HostStatus Convert(HostObject& object, const char* method, float size, const HostValue& mode, float& out) {
  HostValue result;
  HostStatus s = object.Call(method, {static_cast<double>(size), mode, kTwips}, &result);
  if (!s) return s;
  const double* d = std::get_if<double>(&result);
  std::optional<float> single = d ? rt::SingleOf(*d) : std::nullopt;
  if (!single) return HostStatus::Failed(d ? "Overflow" : "Type mismatch");
  out = *single;
  return {};
}

}  // namespace

HostStatus ToTwips(HostObject& object, float& width, float& height) {
  HostValue mode;
  if (object.IsMdiParent() || !object.Get("ScaleMode", mode)) return {};
  float w = 0, h = 0;
  HostStatus s = Convert(object, "ScaleX", width, mode, w);
  if (s) s = Convert(object, "ScaleY", height, mode, h);
  if (!s) return s;
  width = w;
  height = h;
  return {};
}

HostStatus InnerSizeInTwips(HostObject& object, float& width, float& height, float* scaleWidth, float* scaleHeight) {
  float w = 0, h = 0;
  HostStatus s = GetFloat(object, "ScaleWidth", w);
  if (s) s = GetFloat(object, "ScaleHeight", h);
  if (!s) return s;
  if (scaleWidth) *scaleWidth = w;
  if (scaleHeight) *scaleHeight = h;
  if (!(s = ToTwips(object, w, h))) return s;
  width = w;
  height = h;
  return {};
}

}  // namespace amb
