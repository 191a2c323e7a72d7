#include "control_geometry.h"

#include <algorithm>
#include <cmath>

namespace amb {
namespace {

// A ratio whose design size is 0 cannot be formed; the previous one stays, and a record that
// never had one scales by 1.
float Ratio(float now, float design, float previous) {
  if (design != 0) return now / design;
  return previous != 0 ? previous : 1;
}

struct Axis {
  float org, extent;      // design start and extent
  float cur, curExtent;   // current start and extent
  bool keepStart, keepExtent, keepFarGap;
  float scale, container, designContainer, unitsPerSize;
};

// One direction: returns start and extent, and the far-edge anchor when kept.
void PlaceAxis(const Axis& a, float& start, float& extent, float& anchor) {
  start = a.keepStart ? a.cur : a.org * a.scale;
  extent = a.keepExtent ? a.curExtent : a.extent * a.scale;
  if (!a.keepFarGap) return;
  anchor = a.org + a.extent + a.unitsPerSize * (a.container - a.designContainer);
  if (!a.keepStart) {
    start = anchor - extent;
  } else {
    extent = anchor - start;
  }
}

}  // namespace

Box LineBox(float x1, float y1, float x2, float y2) {
  return {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, std::fabs(x2 - x1), std::fabs(y2 - y1)};
}

Box DesignBox(const ControlRecord& r) {
  if (r.kind == ControlKind::Line) return LineBox(r.x1, r.y1, r.x2, r.y2);
  Box b{r.left, r.top, r.width, r.height};
  if (r.kind == ControlKind::OnTabControl && r.left + r.width < 0) b.left += kTabParking;
  return b;
}

GeometryResult AdjustGeometry(ControlRecord& r, const FlagEntry& f, const GeometryInput& in) {
  Box org = DesignBox(r);
  const Box& cur = in.current;
  if (in.initialised && r.kind != ControlKind::Line) {
    if (r.xScale == 0) r.xScale = 1;
    if (r.yScale == 0) r.yScale = 1;
    if (in.leftReadable && r.lastLeft != cur.left && r.lastLeft + kTabParking != cur.left)
      org.left = r.left = cur.left / r.xScale;
    if (in.topReadable && r.lastTop != cur.top) org.top = r.top = cur.top / r.yScale;
    if (in.widthReadable && r.lastWidth != cur.width) org.width = r.width = cur.width / r.xScale;
    if (in.heightReadable && r.lastHeight != cur.height) org.height = r.height = cur.height / r.yScale;
  }
  r.xScale = Ratio(in.containerWidth, r.formWidth, r.xScale);
  r.yScale = Ratio(in.containerHeight, r.formHeight, r.yScale);

  GeometryResult out;
  PlaceAxis({org.top, org.height, cur.top, cur.height, f[DontScale::Top], f[DontScale::Height], f[DontScale::Bottom],
             r.yScale, in.containerHeight, r.formHeight, in.unitsPerSizeY},
            out.next.top, out.next.height, r.bottom);
  PlaceAxis({org.left, org.width, cur.left, cur.width, f[DontScale::Left], f[DontScale::Width], f[DontScale::Right],
             r.xScale, in.containerWidth, r.formWidth, in.unitsPerSizeX},
            out.next.left, out.next.width, r.right);
  out.next.width = std::max(out.next.width, 0.0f);
  out.next.height = std::max(out.next.height, 0.0f);
  out.fontFactor = FontFactor(org, out.next);
  return out;
}

float FontFactor(const Box& design, const Box& next) {
  bool byWidth = design.width != 0, byHeight = design.height != 0;
  float factor = 1;
  if (byWidth && byHeight) {
    factor = std::min(next.width / design.width, next.height / design.height);
  } else if (byWidth) {
    factor = next.width / design.width;
  } else if (byHeight) {
    factor = next.height / design.height;
  }
  return std::isfinite(factor) ? std::max(factor, 0.0f) : 1;
}

LineEnds LineEndsFor(const ControlRecord& r, const Box& next) {
  LineEnds e{};
  if (r.x1 < r.x2) {
    e.x1 = next.left;
    e.x2 = e.x1 + next.width;
  } else {
    e.x2 = next.left;
    e.x1 = e.x2 + next.width;
  }
  if (r.y1 < r.y2) {
    e.y1 = next.top;
    e.y2 = e.y1 + next.height;
  } else {
    e.y2 = next.top;
    e.y1 = e.y2 + next.height;
  }
  return e;
}

}  // namespace amb
