#pragma once
// Where the host form stands: centred on the screen (an MDI child in its parent's client window),
// sized as a share of it, held above other windows, and its normal placement and window state kept
// from one run to the next in the per-user settings area (application "Ambrelo", one section per
// window name).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ambrelo_settings.h"
#include "host_form.h"
#include "lifecycle_platform.h"

namespace amb {

inline constexpr const char* kPlacementApplication = "Ambrelo";

struct ScreenMetrics {
  float width = 0, height = 0;  // twips
  float twipsPerPixelX = 15, twipsPerPixelY = 15;
};

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The start of a window of length size centred in extent.
inline float CenteredStart(float extent, float size) { return extent / 2 - size / 2; }
// percent of extent, the share a form is sized to.
inline float ShareOf(float extent, int percent) { return extent * static_cast<float>(percent) / 100; }

// Placement values are stored as text; a value that is missing or no number reads as nullopt.
std::string PlacementText(float value);
std::optional<float> PlacementNumber(std::string_view text);
std::optional<int16_t> PlacementState(std::string_view text);

// The system behind the placement: the screen, windows and the settings area of application
// "Ambrelo".
class PlacementPlatform {
 public:
  virtual ~PlacementPlatform() = default;
  virtual ScreenMetrics Screen() = 0;
  // The window rectangle of the window's parent (an MDI child's client window), in pixels.
  virtual std::optional<PixelRect> ParentWindowRect(intptr_t window) = 0;
  virtual void SetTopMost(intptr_t window, bool onTop) = 0;
  virtual bool SaveSetting(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual std::optional<std::string> GetSetting(const std::string& section, const std::string& key) = 0;
  virtual void DeleteSection(const std::string& section) = 0;
};

class FormPlacement {
 public:
  FormPlacement(AmbreloSettings& settings, PlacementPlatform& platform) : settings_(settings), platform_(platform) {}

  HostStatus CenterX(HostForm& host);
  HostStatus CenterY(HostForm& host);
  HostStatus SizeToScreen(HostForm& host);
  // Makes the form topmost when StayOnTop says so; never takes it away.
  void SetTopMost(HostForm& host);
  // StayOnTop turned False: the form is topmost no more.
  void ClearTopMost(HostForm& host);

  // nameChanged: WindowName was empty and now holds the form's caption.
  HostStatus Save(HostForm& host, const Placement& normal, bool& nameChanged);
  // Applies a complete saved placement and deletes it; with any value missing or unreadable the
  // form stays where it is and the saved values are kept. normal receives what was applied.
  // Every failure is its own: true when the placement was applied.
  bool Load(HostForm& host, Placement& normal, bool& nameChanged);
  void DeleteSaved();

 private:
  enum class Axis { X, Y };
  HostStatus Center(HostForm& host, Axis axis);
  HostStatus IsMdiChild(HostForm& host, bool& mdiChild);
  HostStatus ParentRect(HostForm& host, PixelRect& rect);
  HostStatus Section(HostForm& host, std::string& section, bool& nameChanged);
  HostStatus Apply(HostForm& host, const Placement& p, int16_t state);

  AmbreloSettings& settings_;
  PlacementPlatform& platform_;
};

}  // namespace amb
