#include "control_capture.h"

#include "control_probes.h"

namespace amb {
namespace {

constexpr const char* kTabControl = "SSTab";

void ReadFloat(HostObject& control, std::string_view member, float& field) { GetFloat(control, member, field); }

void ReadObject(HostObject& control, std::string_view member, HostObjectPtr& field) {
  GetObjectOf(control, member, field);
}

void RecordContainerSize(HostObject& control, ControlRecord& r, float referenceWidth, float referenceHeight) {
  HostObjectPtr container;
  if (!GetObjectOf(control, "Container", container) || !container || container->IsForm() ||
      container->IsMdiParent()) {
    r.formWidth = referenceWidth;
    r.formHeight = referenceHeight;
    return;
  }
  ReadFloat(*container, "Width", r.formWidth);
  ReadFloat(*container, "Height", r.formHeight);
}

void RecordGeometry(HostObject& control, ControlRecord& r) {
  ReadFloat(control, "Left", r.left);
  ReadFloat(control, "Top", r.top);
  ReadFloat(control, "Width", r.width);
  ReadFloat(control, "Height", r.height);
}

void RecordLast(ControlRecord& r) {
  r.lastLeft = r.left;
  r.lastTop = r.top;
  r.lastWidth = r.width;
  r.lastHeight = r.height;
}

void RecordTabPictures(HostObject& control, ControlRecord& r) {
  int32_t tabs = 0;
  if (!BoundedCountOf(control, "Tabs", INT16_MAX, tabs)) return;
  for (int32_t i = 0; i < tabs; ++i) {
    HostValue v;
    if (!control.GetAt("TabPicture", static_cast<double>(i), v)) continue;
    if (const HostObjectPtr* p = std::get_if<HostObjectPtr>(&v)) r.tabPicture.Set(i, *p);
  }
}

void RecordImageList(HostObject& control, ControlRecord& r) {
  HostObjectPtr images;
  int32_t count = 0;
  if (!GetObjectOf(control, "ListImages", images) || !images ||
      !BoundedCountOf(*images, "Count", INT16_MAX, count))
    return;
  r.imageListCount = static_cast<int16_t>(count);
  ReadFloat(control, "ImageWidth", r.imageListWidth);
  ReadFloat(control, "ImageHeight", r.imageListHeight);
  for (int32_t i = 1; i <= count; ++i) {
    HostObjectPtr image;
    if (!ItemOf(*images, i, image)) continue;
    HostObjectPtr picture;
    if (GetObjectOf(*image, "Picture", picture)) r.imageListPicture.Set(i, picture);
    std::string text;
    if (GetText(*image, "Key", text)) r.imageListKey.Set(i, text);
    if (GetText(*image, "Tag", text)) r.imageListTag.Set(i, text);
  }
}

void RecordByKind(HostObject& control, ControlRecord& r) {
  switch (r.kind) {
    case ControlKind::Line:
      ReadFloat(control, "X1", r.x1);
      ReadFloat(control, "X2", r.x2);
      ReadFloat(control, "Y1", r.y1);
      ReadFloat(control, "Y2", r.y2);
      break;
    case ControlKind::Ordinary:
    case ControlKind::OnTabControl:
      RecordGeometry(control, r);
      RecordLast(r);
      ReadObject(control, "Picture", r.picture);
      ReadObject(control, "DownPicture", r.downPicture);
      ReadObject(control, "DisabledPicture", r.disabledPicture);
      break;
    case ControlKind::TabControl:
      RecordGeometry(control, r);
      ReadFloat(control, "TabHeight", r.tabHeight);
      RecordLast(r);
      RecordTabPictures(control, r);
      break;
    case ControlKind::Form: ReadObject(control, "Picture", r.picture); break;
    case ControlKind::ImageList: RecordImageList(control, r); break;
  }
}

void RecordFonts(HostObject& control, ControlRecord& r) {
  for (int i = 0; i < kFontCount; ++i) {
    HostObjectPtr font;
    if (!GetObjectOf(control, kFontMembers[i], font) || !font) continue;
    FontRecord& f = r.fonts[static_cast<size_t>(i)];
    GetFloat(*font, "Size", f.size);
    GetText(*font, "Name", r.fontNames[static_cast<size_t>(i)]);
    f.applied = -1;
  }
}

}  // namespace

ControlKind KindOf(const KindFacts& facts) {
  ControlKind kind = facts.typeName == kTabControl ? ControlKind::TabControl : ControlKind::Ordinary;
  if (facts.containerTypeName && *facts.containerTypeName == kTabControl) kind = ControlKind::OnTabControl;
  if (facts.typeName == "Line") kind = ControlKind::Line;
  if (facts.typeName == "ImageList") kind = ControlKind::ImageList;
  if (facts.formOrMdiParent) kind = ControlKind::Form;
  return kind;
}

// A tab control's own Tabs is its number of tabs, not a collection of tabs with images: such a
// control keeps the flag it had.
void DecideCapabilities(const CapabilityFacts& f, ControlRecord& r) {
  if (!f.tabs) {
    r.hasTabs = false;
  } else if (f.kind != ControlKind::TabControl) {
    r.hasTabs = true;
  }
  r.hasButtons = f.buttons && f.typeName != "AeEntryBox";
  r.hasNodes = f.nodes;
  r.hasImageList = f.imageList;
  r.hasTwoImageLists = f.icons && f.smallIcons;
}

HostStatus RecordControl(HostObject* recordedControl, ControlRecords& records, float referenceWidth,
                         float referenceHeight, std::shared_ptr<ControlRecord>* recorded) {
  std::string key;
  HostStatus s = GetControlKey(recordedControl, key);
  if (!s) return s;
  NothingObject nothing;
  HostObject& control = recordedControl ? *recordedControl : nothing;
  std::shared_ptr<ControlRecord> held = records.EnsureShared(key);  // the control's own code may run meanwhile
  ControlRecord& r = *held;
  if (recorded) *recorded = held;
  RecordContainerSize(control, r, referenceWidth, referenceHeight);

  KindFacts kind{control.TypeName(), std::nullopt, control.IsForm() || control.IsMdiParent()};
  HostObjectPtr container;
  if (GetObjectOf(control, "Container", container) && container) kind.containerTypeName = container->TypeName();
  r.kind = KindOf(kind);
  RecordByKind(control, r);

  CapabilityFacts caps{r.kind,
                       kind.typeName,
                       Readable(control, "Tabs"),
                       Readable(control, "Buttons"),
                       Readable(control, "Nodes"),
                       Readable(control, "ImageList"),
                       Readable(control, "Icons"),
                       Readable(control, "SmallIcons")};
  DecideCapabilities(caps, r);
  if (kind.typeName != "Form" && kind.typeName != "MDIForm") r.controlIsScaleable = CanScaleControl(control);
  r.graphicIsScaleable = CanScaleGraphic(control);
  if (r.hasButtons) {
    ReadFloat(control, "ButtonWidth", r.buttonWidth);
    ReadFloat(control, "ButtonHeight", r.buttonHeight);
  }
  RecordFonts(control, r);
  if (GetFloat(control, "BorderWidth", r.borderWidth)) r.hasBorderWidth = true;
  r.appliedBorderWidth = -1;
  return {};
}

HostStatus EnsureControlFlags(HostObject* control, FlagRecords& flags) {
  std::string key;
  HostStatus s = GetControlKey(control, key);
  if (s) flags.Ensure(key);
  return s;
}

}  // namespace amb
