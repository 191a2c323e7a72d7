#include "resize_engine.h"

#include <algorithm>
#include <functional>

#include "control_capture.h"
#include "control_probes.h"
#include "inner_size.h"

namespace amb {
namespace {

// Ends a pass however it ends: what the pass detached goes back, the Last* of the controls it
// adjusted are stored, ResizeDone is raised and the update lock released.
class PassTail {
 public:
  explicit PassTail(std::function<void()> finish) : finish_(std::move(finish)) {}
  ~PassTail() { finish_(); }
  PassTail(const PassTail&) = delete;
  PassTail& operator=(const PassTail&) = delete;

 private:
  std::function<void()> finish_;
};

HostStatus NameOf(HostObject& control, std::string& name) { return GetText(control, "Name", name); }

}  // namespace

HostStatus ResizeEngine::ResizeControls() {
  if (running_) {
    pending_ = true;
    return {};
  }
  running_ = true;
  pending_ = false;
  HostStatus s = Pass();
  if (s && pending_) {
    pending_ = false;
    s = Pass();
  }
  running_ = false;
  return s;
}

HostStatus ResizeEngine::Pass() {
  HostObjectPtr form = host_.Form();
  bool initialised = host_.Initialised();
  if (!state_.captured) {
    if (!form) return {};
    if (!Capture(*form)) {
      if (initialised) host_.ResizeDone();
      host_.LockUpdates(false);
    }
    return {};
  }
  if (initialised) host_.ResizeStarted();
  bool completed = false;
  PassTail done([&] {
    if (completed) {
      if (initialised) host_.LockUpdates(false);
      if (initialised) host_.ResizeDone();
    } else {
      if (initialised) host_.ResizeDone();
      host_.LockUpdates(false);
    }
  });
  if (!form) return {};
  bool firstAfterCapture = state_.currentHeight == 0;
  HostStatus s = InnerSizeInTwips(*form, state_.currentWidth, state_.currentHeight, &measure_.scaleWidth,
                                  &measure_.scaleHeight);
  if (!s) return s;
  if (firstAfterCapture)
    ApplyFormPicture(pictures_, *form, formPicture_, settings_.formPicture, settings_.gradientFill,
                     state_.currentWidth, state_.currentHeight);
  // A minimised form has no inner size to fit: scaling to it would only collapse every control.
  if (state_.currentWidth == state_.referenceWidth && state_.currentHeight == state_.referenceHeight) return {};
  if (!(state_.currentWidth > 0) || !(state_.currentHeight > 0)) return {};
  if (initialised && settings_.resizeAtOnce) host_.LockUpdates(true);
  ++counters_.passes;
  return FullPass(*form, completed);
}

HostStatus ResizeEngine::FormInnerSize(float& width, float& height) {
  HostObjectPtr form = host_.Form();
  if (!form) return {false, "Object variable or With block variable not set", 91};
  return InnerSizeInTwips(*form, width, height);
}

// A design size that is missing (no stored size) or zero would scale every control to nothing:
// the size the form has now is the reference instead.
bool ResizeEngine::Capture(HostObject& form) {
  state_.captured = true;
  HostValue picture;
  if (form.Get("Picture", picture)) {
    const HostObjectPtr* p = std::get_if<HostObjectPtr>(&picture);
    formPicture_ = p ? *p : nullptr;
  }
  if (state_.referenceWidth == 0) {
    // An MDI parent is taken at its present inner size; any other form at its design inner size.
    float w = settings_.design.scaleWidth, h = settings_.design.scaleHeight;
    bool fromDesign = !form.IsMdiParent() && ToTwips(form, w, h) && w > 0 && h > 0;
    if (!fromDesign) {
      w = h = 0;
      InnerSizeInTwips(form, w, h);
    }
    state_.referenceWidth = w;
    state_.referenceHeight = h;
  }
  records_.Clear();
  HostObjectPtr controls = host_.ParentControls();
  if (!controls) return true;
  std::vector<Item> items;
  if (HostStatus s = Enumerate(*controls, 0, items); !s) {
    Crash("", s.number);
    return false;
  }
  for (Item& item : items) {
    HostStatus s = RecordControl(item.control.get(), records_, state_.referenceWidth, state_.referenceHeight);
    if (s) s = EnsureControlFlags(item.control.get(), flags_);
    if (!s) {
      std::string name;
      NameOf(*item.control, name);
      Crash(name, s.number);
      return false;
    }
  }
  return true;
}

void ResizeEngine::ReplaceFonts(const std::string& face) {
  HostObjectPtr form = host_.Form(), controls;
  if (!form || !GetObjectOf(*form, "Controls", controls) || !controls) return;
  int32_t count = 0;
  if (!CountOf(*controls, count)) return;
  static constexpr const char* kFonts[] = {"Font", "DayFont", "GridFont", "TitleFont", "HeadFont"};
  for (int32_t i = 0; i < count; ++i) {
    HostObjectPtr control;
    if (!ItemOf(*controls, i, control) || !control) continue;
    for (const char* font : kFonts) LetNested(*control, font, "Name", HostValue(face));
  }
}

void ResizeEngine::Crash(const std::string& name, int32_t number) {
  host_.ReportError(name + kCrashedOut, number);
}

// The items of a collection from index first that take part, with their keys.
HostStatus ResizeEngine::Enumerate(HostObject& collection, int32_t first, std::vector<Item>& items) {
  int32_t count = 0;
  HostStatus s = CountOf(collection, count);
  if (!s) return s;
  items.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int32_t i = first; i < first + count; ++i) {
    Item item;
    if (!(s = ItemOf(collection, i, item.control))) return s;
    std::string name;
    NameOf(*item.control, name);
    if (!TakesPart(item.control->TypeName(), name)) continue;
    if (!(s = GetControlKey(item.control.get(), item.key))) return s;
    items.push_back(std::move(item));
  }
  return {};
}

HostStatus ResizeEngine::FullPass(HostObject& form, bool& completed) {
  std::vector<Item> items;
  bool full = false;
  PassTail finish([&] {
    moves_.Flush();
    Finish(items, full);
    moves_.Finish(host_.FormWindow());
  });
  HostObjectPtr controls;
  if (!GetObjectOf(form, "Controls", controls) || !controls) {
    std::string name;
    NameOf(form, name);
    Crash(name);
    return {};
  }
  HostStatus s = Enumerate(*controls, 0, items);
  if (!s || !(s = PrepareItems(items))) return s;
  OrderByDepth(items);
  Stop stop = Stop::None;
  if (!(s = ScaleItems(items, stop)) || stop != Stop::None) return s;
  ScaleFormPicture(form);
  if (form.IsMdiParent()) {
    bool visible = false;
    HostValue v;
    if (form.Get("Visible", v) && std::holds_alternative<bool>(v)) visible = std::get<bool>(v);
    // Hiding and showing again repaints the parent; a hidden one stays hidden.
    if (visible && (s = form.Call("Hide", {}, nullptr))) s = form.Call("Show", {}, nullptr);
    if (!s) return s;
  }
  if (measure_.scaleWidth > 0) state_.referenceWidth = state_.currentWidth;
  if (measure_.scaleHeight > 0) state_.referenceHeight = state_.currentHeight;
  full = completed = true;
  return {};
}

// Pass 1: records for controls that appeared since the capture, flags, where each one sits, and
// the image lists taken off the controls bound to lists that will be rebuilt.
HostStatus ResizeEngine::PrepareItems(std::vector<Item>& items) {
  unitsPerSize_.clear();
  for (Item& item : items) {
    item.record = records_.FindShared(item.key);
    if (!item.record) {
      HostStatus s = RecordControl(item.control.get(), records_, state_.referenceWidth, state_.referenceHeight,
                                   &item.record);
      if (!s) return s;
    }
    item.flags = flags_.EnsureShared(item.key);
    HostObjectPtr container;
    if (GetObjectOf(*item.control, "Container", container) && container && !container->IsForm() &&
        !container->IsMdiParent())
      item.container = container;
    item.record->detached = false;
    if (settings_.scaleGraphics) Detach(item);
  }
  return {};
}

// Containers before what they hold, whatever order the host lists them in: a child is scaled
// against its container's new size.
void ResizeEngine::OrderByDepth(std::vector<Item>& items) {
  std::unordered_map<const void*, size_t> byIdentity;
  for (size_t i = 0; i < items.size(); ++i) byIdentity.emplace(items[i].control->Identity(), i);
  std::vector<int> depth(items.size(), -1);
  std::function<int(size_t, int)> depthOf = [&](size_t i, int guard) -> int {
    if (depth[i] >= 0) return depth[i];
    int d = 0;
    if (items[i].container && guard < 64) {
      auto it = byIdentity.find(items[i].container->Identity());
      d = it == byIdentity.end() ? 1 : depthOf(it->second, guard + 1) + 1;
    }
    return depth[i] = d;
  };
  for (size_t i = 0; i < items.size(); ++i) items[i].depth = depthOf(i, 0);
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.depth < b.depth; });
}

// Pass 2, one depth at a time: the windows of one depth move together, then what needs their
// new sizes (fonts, pictures, tabs, borders, buttons) follows.
HostStatus ResizeEngine::ScaleItems(std::vector<Item>& items, Stop& stop) {
  size_t begin = 0;
  while (begin < items.size()) {
    size_t end = begin;
    while (end < items.size() && items[end].depth == items[begin].depth) ++end;
    HostStatus s;
    for (size_t i = begin; i < end && s; ++i) s = PlaceControl(items[i]);
    moves_.Flush();
    for (size_t i = begin; i < end && s && stop == Stop::None; ++i) s = FinishControl(items[i], stop);
    if (!s || stop != Stop::None) return s;
    begin = end;
  }
  return {};
}

// The form's picture is rescaled from its record; a failed scaling or a picture never scaled
// leaves what the form shows now.
void ResizeEngine::ScaleFormPicture(HostObject& form) {
  bool scaled = false;
  std::string key;
  GetControlKey(&form, key);
  const FlagEntry* formFlags = flags_.Find(key);
  ControlRecord* r = records_.Find(key);
  if (settings_.scaleGraphics && !settings_.gradientFill && !(formFlags && (*formFlags)[DontScale::Graphic]) && r &&
      r->formWidth > 0 && r->formHeight > 0) {
    if (HostObjectPtr p = ScalePicture(pictures_, r->picture, state_.currentWidth / r->formWidth,
                                       state_.currentHeight / r->formHeight)) {
      formPicture_ = p;
      scaled = true;
      ++counters_.pictureScalings;
    }
  }
  if (settings_.gradientFill) return;
  if (settings_.formPicture < kFpFit) {
    if (scaled) form.Let("Picture", formPicture_);
  } else {
    ApplyFormPicture(pictures_, form, formPicture_, settings_.formPicture, false, state_.currentWidth,
                     state_.currentHeight);
  }
}

// Pass 3, also when a pass stops early: lists go back on their controls, toolbars grow to fit
// (after a full pass only), and every control adjusted keeps where it now is.
void ResizeEngine::Finish(std::vector<Item>& items, bool full) {
  for (Item& item : items) {
    if (!item.record) continue;
    if (item.record->detached) Reattach(item);
    if (full && settings_.scaleGraphics && item.record->hasButtons && !(*item.flags)[DontScale::Height] &&
        item.record->formHeight > 0)
      GrowButtons(item, state_.referenceHeight / item.record->formHeight);
    if (item.adjusted) RecordLast(item);
  }
}

HostStatus ResizeEngine::UpdateControl(HostObject* control) {
  std::shared_ptr<ControlRecord> r;
  HostStatus s = RecordControl(control, records_, state_.referenceWidth, state_.referenceHeight, &r);
  if (s && r && r->kind == ControlKind::Form) formPicture_ = r->picture;
  return s;
}

HostStatus ResizeEngine::AdjustPosition(HostObject& control) {
  Item item;
  HostStatus s = GetControlKey(&control, item.key);
  if (!s) return s;
  item.flags = flags_.FindShared(item.key);
  item.record = records_.FindShared(item.key);
  if (!item.flags || !item.record) return HostStatus::Failed("Invalid procedure call or argument");
  item.control = std::shared_ptr<HostObject>(&control, [](HostObject*) {});
  HostObjectPtr container;
  if (GetObjectOf(control, "Container", container) && container && !container->IsForm() && !container->IsMdiParent())
    item.container = container;
  unitsPerSize_.clear();
  PlaceControl(item);
  moves_.Flush();
  moves_.Finish(0);
  FinishGeometry(item);
  return {};
}

}  // namespace amb
