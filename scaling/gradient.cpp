#include "gradient.h"

#include <algorithm>
#include <cmath>

namespace amb {
namespace {

constexpr int kHalfBands = kGradientBands / 2;
constexpr int16_t kCopyPen = 13, kSolid = 0, kPixels = 3;

int16_t ChannelOf(float value) {
  // As the platform converts a Single to an Integer: to the nearest, halves to even.
  float rounded = std::nearbyint(value);
  return static_cast<int16_t>(std::clamp(rounded, 0.0f, 255.0f));
}

}  // namespace

// System colours are split as they are, without translating them to their real colour.
GradientRamp::Channels GradientRamp::Split(int32_t colour) {
  uint32_t c = static_cast<uint32_t>(colour);
  return {{static_cast<int16_t>(c & 0xFF), static_cast<int16_t>((c & 0xFF00) >> 8),
           static_cast<int16_t>((c & 0xFF0000) >> 16)}};
}

GradientRamp::GradientRamp(const GradientColours& colours)
    : threeColours_(colours.middle != colours.end), start_(Split(colours.start)), middle_(Split(colours.middle)) {
  Channels end = Split(colours.end);
  for (int k = 0; k < 3; ++k) {
    if (threeColours_) {
      first_[k] = static_cast<float>(middle_.c[k] - start_.c[k]) / kHalfBands;
      second_[k] = static_cast<float>(end.c[k] - middle_.c[k]) / kHalfBands;
    } else {
      first_[k] = static_cast<float>(end.c[k] - start_.c[k]) / kGradientBands;
      second_[k] = 0;
    }
  }
}

int32_t GradientRamp::Band(int i) const {
  int32_t colour = 0;
  for (int k = 0; k < 3; ++k) {
    float value = threeColours_ && i >= kHalfBands ? static_cast<float>(i - kHalfBands) * second_[k] + middle_.c[k]
                                                    : static_cast<float>(i) * first_[k] + start_.c[k];
    colour |= static_cast<int32_t>(ChannelOf(value)) << (8 * k);
  }
  return colour;
}

std::vector<GradientStroke> LinearStrokes(int32_t source, float sw, float sh) {
  std::vector<GradientStroke> out;
  const float w = sw / kGradientBands, h = sh / kGradientBands;
  const float u = (sw / 2) / kGradientBands, v = (sh / 2) / kGradientBands;
  auto add = [&](int band, float x1, float y1, float x2, float y2) { out.push_back({band, {x1, y1, x2, y2}}); };
  for (int n = 0; n <= kGradientBands; ++n) {
    const float i = static_cast<float>(n);
    const int down = kGradientBands - n;  // the loops that run from 64 down to 0
    const float k = static_cast<float>(down);
    switch (source) {
      case kGsTop: add(n, 0, h * i, sw, h * i + h); break;
      case kGsBottom: add(n, 0, h * k, sw, h * k + h); break;
      case kGsRight: add(n, w * k, 0, w * k + w, sh); break;
      case kGsLeft: add(n, w * i, 0, w * i + w, sh); break;
      case kGsTopLeft:
        add(n, 0, h * i, w * i + w, h * i + h + 1);
        add(n, w * i, 0, w * i + w, h * i);
        break;
      case kGsTopRight:
        add(n, sw - w * i, 0, sw - w * i + w, h * i);
        add(n, sw, h * i, sw - w * i, h * i + h + 1);
        break;
      case kGsBottomLeft:
        add(n, 0, sh - h * i, w * i + w, sh - h * i - h);
        add(n, w * i, sh, w * i + w, sh - h * i);
        break;
      case kGsBottomRight:
        add(n, sw, sh - h * i, sw - w * i, sh - h * i - h);
        add(n, sw - w * i, sh, sw - w * i + w, sh - h * i);
        break;
      case kGsMiddle: add(down, sw / 2 - u * k, sh / 2 - v * k, sw / 2 + u * k, sh / 2 + v * k); break;
      case kGsOutside: add(n, sw / 2 - u * k, sh / 2 - v * k, sw / 2 + u * k, sh / 2 + v * k); break;
      default: return out;
    }
  }
  return out;
}

std::optional<RadialRings> RadialPlan(int32_t source, float sw, float sh) {
  float corner = std::sqrt(sw * sw + sh * sh) / kGradientBands;
  float centre = std::sqrt((sw / 2) * (sw / 2) + (sh / 2) * (sh / 2)) / kGradientBands;
  switch (source) {
    case kGsTop: return RadialRings{sw / 2, 0, corner};
    case kGsBottom: return RadialRings{sw / 2, sh, corner};
    case kGsRight: return RadialRings{sw, sh / 2, corner};
    case kGsLeft: return RadialRings{0, sh / 2, corner};
    case kGsTopLeft: return RadialRings{0, 0, corner};
    case kGsTopRight: return RadialRings{sw, 0, corner};
    case kGsBottomLeft: return RadialRings{0, sh, corner};
    case kGsBottomRight: return RadialRings{sw, sh, corner};
    case kGsMiddle:
    case kGsOutside: return RadialRings{sw / 2, sh / 2, centre};
    default: return std::nullopt;
  }
}

namespace {

// The target's drawing settings as they were before the paint; only those read are put back.
class SavedDrawing {
 public:
  explicit SavedDrawing(HostForm& target) : target_(target) {}
  HostStatus SaveAndSet() {
    HostStatus s;
    if (!(s = Save("AutoRedraw", autoRedraw_)) || !(s = Save("DrawWidth", drawWidth_)) ||
        !(s = Save("DrawMode", drawMode_)) || !(s = target_.Let("DrawMode", kCopyPen)) ||
        !(s = Save("DrawStyle", drawStyle_)) || !(s = target_.Let("DrawStyle", kSolid)) ||
        !(s = target_.Let("AutoRedraw", true)) || !(s = Save("ScaleMode", scaleMode_)))
      return s;
    return target_.Let("ScaleMode", kPixels);
  }
  // A failed paint must not leave the form measuring in pixels: every setting goes back.
  HostStatus Restore() {
    HostStatus first;
    for (auto [member, value] : {std::pair{"AutoRedraw", &autoRedraw_}, std::pair{"ScaleMode", &scaleMode_},
                                 std::pair{"DrawWidth", &drawWidth_}, std::pair{"DrawMode", &drawMode_},
                                 std::pair{"DrawStyle", &drawStyle_}}) {
      if (!*value) continue;
      HostStatus s = target_.Let(member, **value);
      if (first && !s) first = s;
    }
    return first;
  }

 private:
  HostStatus Save(const char* member, std::optional<BagValue>& into) {
    BagValue v;
    HostStatus s = target_.Get(member, v);
    if (s) into = v;
    return s;
  }
  HostForm& target_;
  std::optional<BagValue> autoRedraw_, drawWidth_, drawMode_, drawStyle_, scaleMode_;
};

HostStatus DrawRadial(HostForm& target, const RadialRings& rings, const GradientRamp& ramp) {
  // Each ring is twice as wide as the spacing of the radii, so that no gap shows between them.
  HostStatus s = target.Let("DrawWidth", std::max(1.0f, 2 * rings.unit));
  for (int i = 0; s && i <= kGradientBands; ++i) {
    std::vector<BagValue> args = {rings.x, rings.y, rings.unit * static_cast<float>(i), ramp.Band(i)};
    s = target.Call("Circle", args, nullptr);
  }
  return s;
}

HostStatus DrawLinear(HostForm& target, const std::vector<GradientStroke>& strokes, const GradientRamp& ramp) {
  constexpr int16_t kFilledBox = 2;
  HostStatus s;
  for (const GradientStroke& stroke : strokes) {
    std::vector<BagValue> args = {stroke.box.x1, stroke.box.y1, stroke.box.x2, stroke.box.y2, ramp.Band(stroke.band),
                                  kFilledBox};
    if (!(s = target.Call("Line", args, nullptr))) break;
  }
  return s;
}

HostStatus Draw(HostForm& target, int32_t source, int32_t type, const GradientRamp& ramp) {
  float sw = 0, sh = 0;
  HostStatus s = GetSingle(target, "ScaleWidth", sw);
  if (s) s = GetSingle(target, "ScaleHeight", sh);
  if (!s) return s;
  if (type != kGtLinear) {
    std::optional<RadialRings> rings = RadialPlan(source, sw, sh);
    return rings ? DrawRadial(target, *rings, ramp) : HostStatus{};
  }
  return DrawLinear(target, LinearStrokes(source, sw, sh), ramp);
}

}  // namespace

HostStatus PaintGradient(HostForm& target, int32_t source, int32_t type, const GradientColours& colours) {
  if (target.IsMdiParent()) return {};
  SavedDrawing saved(target);
  HostStatus s = saved.SaveAndSet();
  if (s) s = Draw(target, source, type, GradientRamp(colours));
  if (s) {
    std::vector<BagValue> none;
    s = target.Call("Refresh", none, nullptr);
  }
  HostStatus restored = saved.Restore();
  return s ? restored : s;
}

}  // namespace amb
