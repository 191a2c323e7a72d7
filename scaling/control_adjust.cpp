// One control's share of a pass: where it goes, its fonts, pictures, tabs, border and buttons.
#include <cmath>

#include "inner_size.h"
#include "resize_engine.h"

namespace amb {
namespace {

bool ReadInto(HostObject& control, std::string_view member, float& out) {
  return static_cast<bool>(GetFloat(control, member, out));
}

}  // namespace

HostStatus ResizeEngine::PlaceControl(Item& item) {
  ControlRecord& r = *item.record;
  if (r.kind == ControlKind::ImageList) return {};
  if (r.kind == ControlKind::TabControl) {
    HostStatus s = item.control->Let("TabMaxWidth", 0.0);
    if (!s) return s;
  }
  bool parked = false;
  GeometryInput in = ReadGeometry(item, parked);
  ContainerSize(item, in);
  in.initialised = host_.Initialised();
  item.geometry = AdjustGeometry(r, *item.flags, in);
  state_.fontFactor = item.geometry.fontFactor;
  SetFonts(item, true);
  ApplyMove(item, parked, in.current);
  item.adjusted = true;
  return {};
}

GeometryInput ResizeEngine::ReadGeometry(Item& item, bool& parked) {
  HostObject& c = *item.control;
  GeometryInput in;
  Box& cur = in.current;
  if (item.record->kind == ControlKind::Line) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ReadInto(c, "X1", x1), ReadInto(c, "Y1", y1), ReadInto(c, "X2", x2), ReadInto(c, "Y2", y2);
    cur = LineBox(x1, y1, x2, y2);
    return in;
  }
  in.leftReadable = ReadInto(c, "Left", cur.left);
  in.topReadable = ReadInto(c, "Top", cur.top);
  in.widthReadable = ReadInto(c, "Width", cur.width);
  in.heightReadable = ReadInto(c, "Height", cur.height);
  if (item.record->kind == ControlKind::OnTabControl && cur.left + cur.width < 0) {
    parked = true;
    cur.left += kTabParking;
  }
  return in;
}

// A control on the form scales with the form's inner size in twips, one in a container with the
// container's size (already moved: containers go first).
void ResizeEngine::ContainerSize(Item& item, GeometryInput& in) {
  const ControlRecord& r = *item.record;
  if (!item.container) {
    in.containerWidth = state_.currentWidth;
    in.containerHeight = state_.currentHeight;
    if (state_.currentWidth > 0 && measure_.scaleWidth > 0) in.unitsPerSizeX = measure_.scaleWidth / state_.currentWidth;
    if (state_.currentHeight > 0 && measure_.scaleHeight > 0)
      in.unitsPerSizeY = measure_.scaleHeight / state_.currentHeight;
    return;
  }
  in.containerWidth = r.formWidth;
  in.containerHeight = r.formHeight;
  ReadInto(*item.container, "Width", in.containerWidth);
  ReadInto(*item.container, "Height", in.containerHeight);
  std::pair<float, float> units = UnitsPerSize(*item.container);
  in.unitsPerSizeX = units.first;
  in.unitsPerSizeY = units.second;
}

// A container with a scale mode of its own measures its children in its units, converted once
// per pass.
std::pair<float, float> ResizeEngine::UnitsPerSize(HostObject& container) {
  auto [it, added] = unitsPerSize_.emplace(container.Identity(), std::pair<float, float>{1, 1});
  if (!added) return it->second;
  float scaleWidth = 0, scaleHeight = 0, twipsWidth = 0, twipsHeight = 0;
  if (InnerSizeInTwips(container, twipsWidth, twipsHeight, &scaleWidth, &scaleHeight)) {
    if (twipsWidth > 0 && scaleWidth > 0) it->second.first = scaleWidth / twipsWidth;
    if (twipsHeight > 0 && scaleHeight > 0) it->second.second = scaleHeight / twipsHeight;
  }
  return it->second;
}

float ResizeEngine::FontTarget(const Item& item, int font) const {
  float design = item.record->fonts[static_cast<size_t>(font)].size;
  bool scale = settings_.scaleFonts && !(*item.flags)[DontScale::Font];
  return scale ? item.geometry.fontFactor * design : design;
}

// A font is written only when its size changes. One that shrinks is written before the move, so
// that the control's old, larger font never holds it at its old size; one that grows after it.
// A font that refuses its scaled size gets its design size, so no size of a failed write stays.
void ResizeEngine::SetFonts(Item& item, bool shrinkingOnly) {
  for (int i = 0; i < kFontCount; ++i) {
    FontRecord& f = item.record->fonts[static_cast<size_t>(i)];
    if (!(f.size > 0)) continue;
    float target = FontTarget(item, i);
    float now = f.applied >= 0 ? f.applied : f.size;
    if (target == f.applied || (shrinkingOnly && !(target < now))) continue;
    ++counters_.fontSets;
    if (!LetNested(*item.control, kFontMembers[i], "Size", target)) {
      target = f.size;
      LetNested(*item.control, kFontMembers[i], "Size", target);
    }
    f.applied = target;
  }
}

void ResizeEngine::ApplyMove(Item& item, bool parked, const Box& current) {
  const Box& next = item.geometry.next;
  if (next == current) return;
  HostObject& c = *item.control;
  ++counters_.moves;
  if (item.record->kind == ControlKind::Line) {
    LineEnds e = LineEndsFor(*item.record, next);
    c.Let("X1", e.x1), c.Let("X2", e.x2), c.Let("Y1", e.y1), c.Let("Y2", e.y2);
    return;
  }
  float left = parked ? next.left - kTabParking : next.left;
  WindowMove move;
  if (c.PlanWindowMove(left, next.top, next.width, next.height, move)) {
    moves_.Add(move);
    return;
  }
  if (c.Call("Move", {static_cast<double>(left), next.top, next.width, next.height}, nullptr)) return;
  c.Let("Left", left), c.Let("Top", next.top), c.Let("Width", next.width), c.Let("Height", next.height);
}

// After its move: fonts that grow, and a drop-down combo box's text no longer shown selected (its
// new width selects it). A host's own AdjustPosition ends the same way.
void ResizeEngine::FinishGeometry(Item& item) {
  SetFonts(item, false);
  if (item.control->TypeName() == "ComboBox") {
    double style = -1;
    if (GetNumber(*item.control, "Style", style) && style == 0) item.control->Let("SelLength", 0.0);
  }
}

HostStatus ResizeEngine::FinishControl(Item& item, Stop& stop) {
  ControlRecord& r = *item.record;
  const FlagEntry& f = *item.flags;
  if (item.adjusted) FinishGeometry(item);
  HostStatus s;
  switch (r.kind) {
    case ControlKind::Line: break;
    case ControlKind::TabControl:
      if (!(s = TabControlStep(item))) return s;
      break;
    case ControlKind::ImageList:
      if (settings_.scaleGraphics && !f[DontScale::Graphic] && !RebuildImageList(item)) {
        std::string name;
        GetText(*item.control, "Name", name);
        host_.ReportError(name + kUnsupportedBinding, 0);
        stop = Stop::Unsupported;
        return {};
      }
      break;
    default: ScalePictures(item); break;
  }
  ScaleBorder(item);
  return SizeButtons(item);
}

// Pictures are scaled from the recorded ones, only when the control's size changed; a scaling
// that gives nothing leaves the control's picture as it is.
void ResizeEngine::ScalePictures(Item& item) {
  ControlRecord& r = *item.record;
  if (!settings_.scaleGraphics || (*item.flags)[DontScale::Graphic]) return;
  if (!r.picture && !r.downPicture && !r.disabledPicture) return;
  if (r.width == 0 || r.height == 0) return;
  float w = 0, h = 0;
  if (!ReadInto(*item.control, "Width", w) || !ReadInto(*item.control, "Height", h)) return;
  if (w == r.lastWidth && h == r.lastHeight) return;
  struct Slot {
    const char* member;
    HostObjectPtr ControlRecord::*field;
  };
  for (Slot slot : {Slot{"Picture", &ControlRecord::picture}, Slot{"DownPicture", &ControlRecord::downPicture},
                    Slot{"DisabledPicture", &ControlRecord::disabledPicture}}) {
    if (!(r.*slot.field)) continue;
    if (HostObjectPtr p = ScalePicture(pictures_, r.*slot.field, w / r.width, h / r.height)) {
      ++counters_.pictureScalings;
      item.control->Let(slot.member, p);
    }
  }
}

// The tabs follow the control's new size; a tab added since the recording has no picture to
// scale and is passed over.
HostStatus ResizeEngine::TabControlStep(Item& item) {
  ControlRecord& r = *item.record;
  const FlagEntry& f = *item.flags;
  HostObject& c = *item.control;
  double orientation = 0;
  float w = 0, h = 0;
  HostStatus s = GetNumber(c, "TabOrientation", orientation);
  if (s) s = GetFloat(c, "Width", w);
  if (s) s = GetFloat(c, "Height", h);
  if (!s) return s;
  if (orientation < 2) {
    double perRow = 0;
    if (!f[DontScale::Width] && (s = GetNumber(c, "TabsPerRow", perRow)) && perRow > 0)
      s = c.Let("TabMaxWidth", std::floor(w / perRow));
    if (s && !f[DontScale::Height] && r.height != 0) s = c.Let("TabHeight", static_cast<double>(h / r.height * r.tabHeight));
  } else if (!f[DontScale::Width] && r.width != 0) {
    s = c.Let("TabHeight", static_cast<double>(w / r.width * r.tabHeight));
  }
  if (!s) return s;
  if (!settings_.scaleGraphics || f[DontScale::Graphic] || (w == r.lastWidth && h == r.lastHeight) || r.width == 0 ||
      r.height == 0)
    return {};
  int32_t tabs = 0;
  if (!BoundedCountOf(c, "Tabs", INT16_MAX, tabs)) return {};
  for (int32_t i = 0; i < tabs; ++i) {
    const HostObjectPtr* recorded = r.tabPicture.At(i);
    if (!recorded || !*recorded) continue;
    if (HostObjectPtr p = ScalePicture(pictures_, *recorded, w / r.width, h / r.height)) {
      ++counters_.pictureScalings;
      c.LetAt("TabPicture", static_cast<double>(i), p);
    }
  }
  return {};
}

void ResizeEngine::ScaleBorder(Item& item) {
  ControlRecord& r = *item.record;
  if (!settings_.scaleBorders || (*item.flags)[DontScale::Border] || !r.hasBorderWidth || !item.adjusted) return;
  float target = item.geometry.fontFactor * r.borderWidth;
  if (target == r.appliedBorderWidth) return;
  item.control->Let("BorderWidth", static_cast<double>(target));
  r.appliedBorderWidth = target;
}

HostStatus ResizeEngine::SizeButtons(Item& item) {
  ControlRecord& r = *item.record;
  const FlagEntry& f = *item.flags;
  if (!r.hasButtons) return {};
  HostStatus s;
  if (!f[DontScale::Width]) s = item.control->Let("ButtonWidth", static_cast<double>(r.xScale * r.buttonWidth));
  if (!s || f[DontScale::Height]) return s;
  if (!(s = item.control->Let("ButtonHeight", static_cast<double>(r.yScale * std::floor(r.buttonHeight))))) return s;
  float w = 0, h = 0;
  if (!settings_.scaleGraphics && r.formHeight > 0 && ReadInto(*item.control, "Width", w) &&
      ReadInto(*item.control, "Height", h) && (w != r.lastWidth || h != r.lastHeight))
    GrowButtons(item, state_.currentHeight / r.formHeight);
  return {};
}

void ResizeEngine::RecordLast(Item& item) {
  ControlRecord& r = *item.record;
  HostObject& c = *item.control;
  ReadInto(c, "Left", r.lastLeft);
  ReadInto(c, "Top", r.lastTop);
  ReadInto(c, "Width", r.lastWidth);
  ReadInto(c, "Height", r.lastHeight);
}

}  // namespace amb
