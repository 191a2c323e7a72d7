#pragma once
// Controls that are real child windows, for the engine under Wine: a host object over an HWND
// whose geometry is read from the window (GetWindowRect, in twips of its parent's client area)
// and whose moves join the deferred batch. The form is a top-level window; fonts are real HFONTs
// sent with WM_SETFONT.
#include <windows.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "fake_host_object.h"
#include "scoped_win.h"

namespace amb::test {

inline constexpr double kTwipsPerPixel = 15;  // the test prefix runs at 96 dots per inch

class WindowFont;

class WindowControl : public HostObject, public std::enable_shared_from_this<WindowControl> {
 public:
  WindowControl(std::shared_ptr<FakeStats> stats, HWND window, std::string name, std::string type)
      : stats_(std::move(stats)), window_(window), name_(std::move(name)), type_(std::move(type)) {}
  std::weak_ptr<WindowControl> container;
  HostObjectPtr controls;  // the form's Controls
  std::shared_ptr<WindowFont> font;
  bool isForm = false;
  HWND Window() const { return window_; }

  // The window's rectangle in its parent's client pixels.
  RECT PixelRect() const {
    RECT r;
    GetWindowRect(window_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  HostStatus Get(std::string_view member, HostValue& out) override;
  HostStatus Let(std::string_view member, const HostValue& value) override {
    ++stats_->lets;
    return Fail();
  }
  HostStatus Call(std::string_view member, const std::vector<HostValue>& args, HostValue* result) override {
    ++stats_->calls;
    if ((member == "ScaleX" || member == "ScaleY") && args.size() == 3 && result) {
      *result = args[0];
      return {};
    }
    if (member == "Move" && args.size() == 4 && !isForm) {
      known_ = false;
      WindowMove m;
      PlanWindowMove(float(std::get<double>(args[0])), float(std::get<double>(args[1])),
                     float(std::get<double>(args[2])), float(std::get<double>(args[3])), m);
      SetWindowPos(window_, nullptr, m.x, m.y, m.cx, m.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      return {};
    }
    return Fail();
  }
  HostStatus GetAt(std::string_view, const HostValue&, HostValue&) override { return Fail(); }
  HostStatus LetAt(std::string_view, const HostValue&, const HostValue&) override { return Fail(); }
  std::string TypeName() override { return type_; }
  bool IsForm() override { return isForm; }
  bool IsMdiParent() override { return false; }
  const void* Identity() override { return this; }
  bool PlanWindowMove(float l, float t, float w, float h, WindowMove& out) override {
    if (isForm) return false;
    known_ = false;
    out.window = reinterpret_cast<intptr_t>(window_);
    out.parent = reinterpret_cast<intptr_t>(GetParent(window_));
    out.x = Px(l), out.y = Px(t), out.cx = Px(w), out.cy = Px(h);
    return true;
  }
  static int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

 private:
  HostStatus Fail() {
    ++stats_->failed;
    return HostStatus::Failed("Object doesn't support this property or method");
  }
  std::shared_ptr<FakeStats> stats_;
  HWND window_;
  std::string name_, type_;
  RECT rect_{};
  bool known_ = false;
};

// A font whose Size is the point size of the HFONT the window has. Fonts of one height are
// shared, as the platform's font objects share theirs.
class WindowFont : public FakeObject {
 public:
  WindowFont(std::shared_ptr<FakeStats> stats, HWND window, double size) : FakeObject(std::move(stats), "Font"), window_(window) {
    members = {{"Size", size}, {"Name", std::string("Arial")}};
    Apply(size);
    onLet = [this](std::string_view m) {
      if (m == "Size") Apply(std::get<double>(members["Size"]));
    };
  }
  int changes = 0;

 private:
  void Apply(double size) {
    static const int dpi = [] {
      HDC dc = GetDC(nullptr);
      int d = GetDeviceCaps(dc, LOGPIXELSY);
      ReleaseDC(nullptr, dc);
      return d;
    }();
    int height = -MulDiv(static_cast<int>(std::lround(size * 100)), dpi, 7200);
    static std::map<int, rt::GdiObject<HFONT>> shared;
    rt::GdiObject<HFONT>& font = shared[height];
    if (!font) font.reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    ++changes;
  }
  HWND window_;
};

// Geometry is read from the window once and kept until the control is moved again, as a
// runtime keeps its controls' positions; a container's inner size is always read afresh.
inline HostStatus WindowControl::Get(std::string_view member, HostValue& out) {
  ++stats_->gets;
  bool geometry = member == "Left" || member == "Top" || member == "Width" || member == "Height";
  if (geometry && !known_) {
    rect_ = PixelRect();
    known_ = true;
  }
  const RECT& r = rect_;
  RECT client{};
  if (member == "ScaleWidth" || member == "ScaleHeight") GetClientRect(window_, &client);
  if (member == "Name") {
    out = name_;
  } else if (member == "Left" && !isForm) {
    out = r.left * kTwipsPerPixel;
  } else if (member == "Top" && !isForm) {
    out = r.top * kTwipsPerPixel;
  } else if (member == "Width" && !isForm) {
    out = (r.right - r.left) * kTwipsPerPixel;
  } else if (member == "Height" && !isForm) {
    out = (r.bottom - r.top) * kTwipsPerPixel;
  } else if (member == "ScaleWidth" && (isForm || type_ == "PictureBox")) {
    out = client.right * kTwipsPerPixel;
  } else if (member == "ScaleHeight" && (isForm || type_ == "PictureBox")) {
    out = client.bottom * kTwipsPerPixel;
  } else if (member == "ScaleMode" && isForm) {
    out = 1.0;
  } else if (member == "Container" && !container.expired()) {
    out = HostObjectPtr(container.lock());
  } else if (member == "Controls" && controls) {
    out = controls;
  } else if (member == "Font" && font) {
    out = HostObjectPtr(font);
  } else if (member == "Picture" && isForm) {
    out = HostObjectPtr();
  } else {
    return Fail();
  }
  return {};
}

}  // namespace amb::test
