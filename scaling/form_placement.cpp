#include "form_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "host_object.h"
#include "rounding.h"

namespace amb {
namespace {

constexpr int32_t kNormal = 0;
constexpr const char* kInvalidArgument = "Invalid procedure call or argument";
constexpr const char* kPlacementKeys[] = {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"};
constexpr const char* kStateKey = "WindowState";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Twips to whole pixels, kept well inside int so that a wild stored value cannot overflow.
int PixelsOf(float twips, float twipsPerPixel) {
  constexpr float kFar = 1 << 30;
  return static_cast<int>(std::clamp(std::nearbyint(twips / twipsPerPixel), -kFar, kFar));
}

// A backslash would make nested keys, which deleting the section leaves behind.
std::string SectionOf(const std::string& windowName) {
  std::string section = windowName;
  std::replace(section.begin(), section.end(), '\\', '/');
  return section;
}

HostStatus InNormalState(HostForm& host, bool& normal) {
  int32_t state = 0;
  HostStatus s = GetLong(host, "WindowState", state);
  normal = s && state == kNormal;
  return s;
}

}  // namespace

// Written in the invariant form, so that a placement saved under one locale reads back under any.
std::string PlacementText(float value) { return TextOf(static_cast<double>(value)); }

std::optional<float> PlacementNumber(std::string_view text) {
  std::string t(Trimmed(text));
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  double d = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size()) return std::nullopt;
  return rt::SingleOf(d);
}

std::optional<int16_t> PlacementState(std::string_view text) {
  std::optional<float> n = PlacementNumber(text);
  if (!n) return std::nullopt;
  float r = std::nearbyint(*n);
  if (r < INT16_MIN || r > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(r);
}

HostStatus FormPlacement::IsMdiChild(HostForm& host, bool& mdiChild) {
  mdiChild = false;
  if (host.IsMdiParent()) return {};
  return GetBoolean(host, "MDIChild", mdiChild);
}

HostStatus FormPlacement::ParentRect(HostForm& host, PixelRect& rect) {
  intptr_t window = 0;
  HostStatus s = GetWindowHandle(host, window);
  if (!s) return s;
  std::optional<PixelRect> r = platform_.ParentWindowRect(window);
  if (!r) return HostStatus::Failed("The MDI client window of the form cannot be measured");
  rect = *r;
  return {};
}

HostStatus FormPlacement::CenterX(HostForm& host) { return settings_.centerX ? Center(host, Axis::X) : HostStatus{}; }
HostStatus FormPlacement::CenterY(HostForm& host) { return settings_.centerY ? Center(host, Axis::Y) : HostStatus{}; }

// An MDI child is centred in its parent's client window, measured by the client window's outer
// rectangle.
HostStatus FormPlacement::Center(HostForm& host, Axis axis) {
  bool normal = false, mdiChild = false;
  HostStatus s = InNormalState(host, normal);
  if (!s || !normal || !(s = IsMdiChild(host, mdiChild))) return s;
  const bool x = axis == Axis::X;
  float size = 0;
  if (!(s = GetSingle(host, x ? "Width" : "Height", size))) return s;
  ScreenMetrics screen = platform_.Screen();
  float extent = x ? screen.width : screen.height;
  if (mdiChild) {
    PixelRect r;
    if (!(s = ParentRect(host, r))) return s;
    extent = x ? static_cast<float>(r.right - r.left) * screen.twipsPerPixelX
               : static_cast<float>(r.bottom - r.top) * screen.twipsPerPixelY;
  }
  return host.Let(x ? "Left" : "Top", CenteredStart(extent, size));
}

HostStatus FormPlacement::SizeToScreen(HostForm& host) {
  bool normal = false, mdiChild = false;
  HostStatus s = InNormalState(host, normal);
  if (!s || !normal || !(s = IsMdiChild(host, mdiChild))) return s;
  ScreenMetrics screen = platform_.Screen();
  float width = screen.width, height = screen.height;
  if (mdiChild) {
    PixelRect r;
    if (!(s = ParentRect(host, r))) return s;
    width = static_cast<float>(r.right - r.left) * screen.twipsPerPixelX;
    height = static_cast<float>(r.bottom - r.top) * screen.twipsPerPixelY;
  }
  if (settings_.scaleX > 0 && !(s = host.Let("Width", ShareOf(width, settings_.scaleX)))) return s;
  if (settings_.scaleY > 0) s = host.Let("Height", ShareOf(height, settings_.scaleY));
  return s;
}

void FormPlacement::SetTopMost(HostForm& host) {
  intptr_t window = 0;
  if (settings_.stayOnTop && GetWindowHandle(host, window)) platform_.SetTopMost(window, true);
}

void FormPlacement::ClearTopMost(HostForm& host) {
  intptr_t window = 0;
  if (GetWindowHandle(host, window)) platform_.SetTopMost(window, false);
}

// Without a name of its own the form's caption names the section. A form without a caption has
// no section: its values would land beside every other window's sections, and deleting it would
// delete them all.
HostStatus FormPlacement::Section(HostForm& host, std::string& section, bool& nameChanged) {
  nameChanged = false;
  if (settings_.windowName.empty()) {
    BagValue caption;
    HostStatus s = host.Get("Caption", caption);
    if (!s) return s;
    if (const std::string* text = std::get_if<std::string>(&caption); text && !text->empty()) {
      settings_.windowName = *text;
      nameChanged = true;
    }
  }
  if (settings_.windowName.empty()) return HostStatus::Failed(kInvalidArgument);
  section = SectionOf(settings_.windowName);
  return {};
}

// A placement never recorded is not saved: it would open the form at no size next time.
HostStatus FormPlacement::Save(HostForm& host, const Placement& normal, bool& nameChanged) {
  nameChanged = false;
  if (!(normal.width > 0) || !(normal.height > 0)) return HostStatus::Failed(kInvalidArgument);
  std::string section;
  HostStatus s = Section(host, section, nameChanged);
  if (!s) return s;
  int32_t state = 0;
  if (!(s = GetLong(host, "WindowState", state))) return s;
  const float values[] = {normal.left, normal.top, normal.width, normal.height};
  for (size_t i = 0; i < 4; ++i)
    if (!platform_.SaveSetting(section, kPlacementKeys[i], PlacementText(values[i])))
      return HostStatus::Failed("The window placement could not be saved");
  if (!platform_.SaveSetting(section, kStateKey, std::to_string(state)))
    return HostStatus::Failed("The window placement could not be saved");
  return {};
}

bool FormPlacement::Load(HostForm& host, Placement& normal, bool& nameChanged) {
  std::string section;
  if (!Section(host, section, nameChanged)) return false;
  float values[4];
  for (size_t i = 0; i < 4; ++i) {
    std::optional<std::string> text = platform_.GetSetting(section, kPlacementKeys[i]);
    std::optional<float> n = text ? PlacementNumber(*text) : std::nullopt;
    if (!n) return false;
    values[i] = *n;
  }
  std::optional<std::string> stateText = platform_.GetSetting(section, kStateKey);
  std::optional<int16_t> state = stateText ? PlacementState(*stateText) : std::nullopt;
  // A form of no size could not be seen, let alone dragged back to a size.
  if (!state || !(values[2] > 0) || !(values[3] > 0)) return false;
  Placement p = OnScreen(host, {values[0], values[1], values[2], values[3]});
  if (!Apply(host, p, *state)) return false;
  platform_.DeleteSection(section);
  normal = p;
  return true;
}

// A monitor unplugged or a resolution lowered since the placement was saved would open the form
// where nobody sees it. An MDI child's placement lies in its parent's client window, not on a
// monitor.
Placement FormPlacement::OnScreen(HostForm& host, const Placement& p) {
  bool mdiChild = false;
  IsMdiChild(host, mdiChild);
  ScreenMetrics screen = platform_.Screen();
  if (mdiChild || !(screen.twipsPerPixelX > 0) || !(screen.twipsPerPixelY > 0)) return p;
  PixelRect rect{PixelsOf(p.left, screen.twipsPerPixelX), PixelsOf(p.top, screen.twipsPerPixelY),
                 PixelsOf(p.left + p.width, screen.twipsPerPixelX), PixelsOf(p.top + p.height, screen.twipsPerPixelY)};
  if (platform_.OnSomeMonitor(rect)) return p;
  PixelRect work = platform_.NearestWorkArea(rect);
  const float workWidth = static_cast<float>(work.right - work.left) * screen.twipsPerPixelX;
  const float workHeight = static_cast<float>(work.bottom - work.top) * screen.twipsPerPixelY;
  Placement placed;
  placed.width = std::min(p.width, workWidth);
  placed.height = std::min(p.height, workHeight);
  placed.left = static_cast<float>(work.left) * screen.twipsPerPixelX + CenteredStart(workWidth, placed.width);
  placed.top = static_cast<float>(work.top) * screen.twipsPerPixelY + CenteredStart(workHeight, placed.height);
  return placed;
}

// The window state is set while the form is visible, so that a form still to be shown opens in
// that state; its visibility is then what it was.
HostStatus FormPlacement::Apply(HostForm& host, const Placement& p, int16_t state) {
  HostStatus s = host.Let("WindowState", int16_t{0});
  std::vector<BagValue> move = {p.left, p.top, p.width, p.height};
  if (s) s = host.Call("Move", move, nullptr);
  BagValue visible;
  if (s) s = host.Get("Visible", visible);
  if (s) s = host.Let("Visible", true);
  if (s) s = host.Let("WindowState", state);
  if (s) s = host.Let("Visible", visible);
  return s;
}

void FormPlacement::DeleteSaved() {
  if (!settings_.windowName.empty()) platform_.DeleteSection(SectionOf(settings_.windowName));
}

}  // namespace amb
