#pragma once
// Where one control goes: its new position, size and font factor from its record, its flags and
// its container's current size. Plain arithmetic in single precision, as the host's units are.
#include "control_flag_list.h"
#include "control_record.h"

namespace amb {

// Left of a control on a hidden page of a tab control, moved out of sight by this much (twips).
inline constexpr float kTabParking = 75000;

struct Box {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

struct GeometryInput {
  Box current;  // a line's from its ends; a parked control's left with the parking taken off
  bool parked = false;
  bool leftReadable = true, topReadable = true, widthReadable = true, heightReadable = true;
  float containerWidth = 0, containerHeight = 0;  // in the units of the record's FormWidth/Height
  // The container's coordinate units per unit of FormWidth/Height: the kept far-edge gaps are in
  // the control's own coordinates, the container's size may not be (a form measured in twips
  // whose ScaleMode is pixels).
  float unitsPerSizeX = 1, unitsPerSizeY = 1;
  bool initialised = false;
};

struct GeometryResult {
  Box next;
  float fontFactor = 1;
};

// The current geometry of a line from its ends: the smaller end and the absolute extents.
Box LineBox(float x1, float y1, float x2, float y2);
// The design geometry of the record (a line's from its recorded ends; a parked design left with
// the parking taken off).
Box DesignBox(const ControlRecord& r);

// Re-bases the record where the host moved the control since the last pass, renews its ratios
// and anchors, and returns the new geometry. Sizes never go below 0.
GeometryResult AdjustGeometry(ControlRecord& r, const FlagEntry& flags, const GeometryInput& in);

// The smaller of the width and height ratios; a direction without a design extent does not count,
// and with neither the factor is 1.
float FontFactor(const Box& design, const Box& next);

// The line's new ends: the end that was the left (upper) one at design time stays so.
struct LineEnds {
  float x1, y1, x2, y2;
};
LineEnds LineEndsFor(const ControlRecord& r, const Box& next);

}  // namespace amb
