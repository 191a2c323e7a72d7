#include "print_sizing.h"

#include <vector>

#include "skip_on_error.h"

namespace amb {
namespace {

// One of the form's own conversions (ScaleX or ScaleY) from the given scale mode to twips.
HostStatus ToTwips(HostForm& host, const char* convert, float size, int32_t scaleMode, float& out) {
  std::vector<BagValue> args = {size, scaleMode, kScaleModeTwips};
  BagValue result;
  HostStatus s = host.Call(convert, args, &result);
  if (!s) return s;
  std::optional<BagValue> single = ConvertBagValue(result, BagType::Single);
  if (!single) return HostStatus::Failed("Type mismatch");
  out = std::get<float>(*single);
  return {};
}

void Move(HostForm& host, float left, float top, float width, float height) {
  std::vector<BagValue> args = {left, top, width, height};
  host.Call("Move", args, nullptr);
}

}  // namespace

void PrintSizing::PrintSize(const PrintRequest& request) {
  if (!lifecycle_.UserMode() || lifecycle_.IsMdiParentHost()) return;
  HostForm* host = lifecycle_.Host();
  if (request.enabled) {
    platform_.SetCancelled(false);
    float width = request.width != 0 ? request.width : settings_.design.width;
    float height = request.height != 0 ? request.height : settings_.design.height;
    // Without a bound form there is nothing to convert with: the same report as a failed conversion.
    HostStatus s = host ? ToTwips(*host, "ScaleX", width, request.scaleMode, width)
                        : HostStatus::Failed("Object variable or With block variable not set", kErrObjectNotSet);
    if (s) s = ToTwips(*host, "ScaleY", height, request.scaleMode, height);
    if (!s) {
      events_.PrintError(kScaleModeError, s.number);
      return;
    }
    Start(*host, {true, width, height, kScaleModeTwips, request.hide, request.showDialog, request.allowCancel});
  } else if (printing_ && host) {
    Stop(*host);
  }
}

// Errors are passed over step by step: a step the form refuses leaves the next one to run.
void PrintSizing::Start(HostForm& host, const PrintRequest& r) {
  // A second call while printing keeps the placement taken by the first, which is the form's own.
  if (!printing_) {
    GetLong(host, "WindowState", restoreState_);
    host.Let("WindowState", int32_t{0});
    GetSingle(host, "Left", restoreLeft_);
    GetSingle(host, "Top", restoreTop_);
    GetSingle(host, "Width", restoreWidth_);
    GetSingle(host, "Height", restoreHeight_);
  } else {
    host.Let("WindowState", int32_t{0});
  }
  printing_ = true;
  lifecycle_.SetPrintSizing(true);
  intptr_t window = 0;
  bool hooked = static_cast<bool>(GetWindowHandle(host, window));
  if (hooked)
    platform_.HookWindow(window, settings_.minWidth, settings_.minHeight, platform_.LargestWidth(),
                         platform_.LargestHeight());
  parked_ = r.hide;
  // A form never saved in a designer has no design size: it is printed at its own.
  float width = r.width != 0 ? r.width : restoreWidth_, height = r.height != 0 ? r.height : restoreHeight_;
  if (r.hide) {
    Move(host, platform_.ParkedLeft(), restoreTop_, width, height);
    lifecycle_.SetWindowSizeTimer(false);
    lifecycle_.SetPrintHideTimer(true);
  } else {
    lifecycle_.SetPrintHideTimer(false);
    Move(host, restoreLeft_, restoreTop_, width, height);
  }
  if (hooked) platform_.UnhookWindow(window);
  // A box the system refuses its window is passed over like any other step.
  if (r.showDialog) rt::SkipOnError([&] { platform_.ShowDialog(r.allowCancel); });
  work_.ResizeControls();
}

void PrintSizing::Stop(HostForm& host) {
  lifecycle_.SetPrintHideTimer(false);
  platform_.CloseDialog();
  printing_ = false;
  parked_ = false;
  Move(host, restoreLeft_, restoreTop_, restoreWidth_, restoreHeight_);
  host.Let("WindowState", restoreState_);
  lifecycle_.SetPrintSizing(false);
  lifecycle_.SetWindowSizeTimer(true);
  if (platform_.Cancelled()) events_.PrintCancelled();
  platform_.SetCancelled(false);
}

// Compared in whole pixels: the form reads its Left back from its pixel position, so a parked
// form reads 31995 rather than 32000 at 15 twips a pixel and must not count as moved.
void PrintSizing::KeepParked() {
  HostForm* host = lifecycle_.Host();
  float left = 0;
  if (!parked_ || !host || !lifecycle_.Active() || !GetSingle(*host, "Left", left)) return;
  float parked = platform_.ParkedLeft();
  if (platform_.PixelsX(left) != platform_.PixelsX(parked)) host->Let("Left", parked);
}

}  // namespace amb
