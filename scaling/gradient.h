#pragma once
// The gradient background of a form or picture box: 65 bands of colour from a start colour to an
// end colour (through a middle colour when it differs from the end), drawn as boxes or rings from
// one of ten sources with the target's own drawing members.
#include <cstdint>
#include <optional>
#include <vector>

#include "host_form.h"

namespace amb {

inline constexpr int kGradientBands = 64;  // bands 0 to 64

enum GradientSource : int32_t {
  kGsTop, kGsBottom, kGsRight, kGsLeft, kGsTopLeft, kGsTopRight, kGsBottomLeft, kGsBottomRight, kGsMiddle, kGsOutside
};
inline constexpr int32_t kGtLinear = 0;

struct GradientColours {
  int32_t start = 0, end = 0, middle = 0;  // colour values as stored (red in the low byte)
};

// The colour of each band; band 0 is the start colour, band 64 the end colour and, with three
// colours, band 32 the middle colour.
class GradientRamp {
 public:
  explicit GradientRamp(const GradientColours& colours);
  int32_t Band(int i) const;  // red | green << 8 | blue << 16

 private:
  struct Channels {
    int16_t c[3];
  };
  static Channels Split(int32_t colour);
  bool threeColours_;
  Channels start_, middle_;
  float first_[3], second_[3];
};

struct GradientBox {
  float x1, y1, x2, y2;
  bool operator==(const GradientBox&) const = default;
};
// One filled box of a linear gradient, in drawing order, with the band whose colour it takes.
struct GradientStroke {
  int band;
  GradientBox box;
  bool operator==(const GradientStroke&) const = default;
};
// Boxes for a surface sw by sh pixels; an unknown source draws nothing.
std::vector<GradientStroke> LinearStrokes(int32_t source, float sw, float sh);

// The rings of a radial gradient: band i is a circle of radius unit * i around the centre.
struct RadialRings {
  float x, y, unit;
};
std::optional<RadialRings> RadialPlan(int32_t source, float sw, float sh);

// Paints onto the target's persistent image and leaves its drawing settings as they were, also
// when a drawing call fails; nothing at all happens to an MDI parent form.
HostStatus PaintGradient(HostForm& target, int32_t source, int32_t type, const GradientColours& colours);

}  // namespace amb
