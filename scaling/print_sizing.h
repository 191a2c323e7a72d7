#pragma once
// Print sizing: the host form brought to the size it is to be printed at (maybe larger than the
// screen, maybe parked off screen, maybe with the printing box up), and later back to exactly
// the placement and window state it had.
#include <cstdint>
#include <string>

#include "ambrelo_settings.h"
#include "form_lifecycle.h"
#include "host_form.h"
#include "scaling_work.h"

namespace amb {

inline constexpr const char* kScaleModeError = "Error in ScaleMode";
inline constexpr float kParkedLeftTwips = 32000;
inline constexpr int16_t kScaleModeTwips = 1;

struct PrintRequest {
  bool enabled = false;
  float width = 0, height = 0;  // 0: the form's design size
  int32_t scaleMode = kScaleModeTwips;
  bool hide = false, showDialog = false, allowCancel = false;
};

// What print sizing asks of the system: the track-size hook, the screen, the printing box and
// the thread's cancel flag. Windows are the host's hWnd values; sizes are twips.
class PrintPlatform {
 public:
  virtual ~PrintPlatform() = default;
  virtual void HookWindow(intptr_t window, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                          int32_t maxHeight) = 0;
  virtual void UnhookWindow(intptr_t window) = 0;
  virtual int32_t LargestWidth() = 0;
  virtual int32_t LargestHeight() = 0;
  // 32000, or a Left beyond the right edge of the virtual screen when that lies further.
  virtual float ParkedLeft() = 0;
  // Whole screen pixels of a horizontal position, as the window stands at it.
  virtual int32_t PixelsX(float twips) = 0;
  virtual void ShowDialog(bool allowCancel) = 0;
  virtual void CloseDialog() = 0;
  virtual bool Cancelled() = 0;
  virtual void SetCancelled(bool cancelled) = 0;
};

class PrintEvents {
 public:
  virtual ~PrintEvents() = default;
  virtual void PrintError(const std::string& description, int32_t number) = 0;
  virtual void PrintCancelled() = 0;
};

class PrintSizing {
 public:
  PrintSizing(const AmbreloSettings& settings, FormLifecycle& lifecycle, ScalingWork& work, PrintPlatform& platform,
              PrintEvents& events)
      : settings_(settings), lifecycle_(lifecycle), work_(work), platform_(platform), events_(events) {}
  PrintSizing(const PrintSizing&) = delete;
  PrintSizing& operator=(const PrintSizing&) = delete;

  void PrintSize(const PrintRequest& request);
  // The tick of tmrPrintHide: a parked form that something moved goes back.
  void KeepParked();
  void UnhookWindow(intptr_t window) { platform_.UnhookWindow(window); }
  bool Printing() const { return printing_; }

 private:
  void Start(HostForm& host, const PrintRequest& request);
  void Stop(HostForm& host);

  const AmbreloSettings& settings_;
  FormLifecycle& lifecycle_;
  ScalingWork& work_;
  PrintPlatform& platform_;
  PrintEvents& events_;
  bool printing_ = false;
  bool parked_ = false;
  float restoreLeft_ = 0, restoreTop_ = 0, restoreWidth_ = 0, restoreHeight_ = 0;
  int32_t restoreState_ = 0;
};

}  // namespace amb
