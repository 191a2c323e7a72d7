#pragma once
// In-memory host form, system and later work for the lifecycle tests. Everything that happens is
// appended to one log, so the tests can read the order across all three.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host_form.h"
#include "lifecycle_platform.h"
#include "scaling_work.h"

namespace amb::test {

using Log = std::vector<std::string>;

// Setting Width or Height raises the form's Resize, as the form runtime does, through onResize.
class FakeHostForm : public HostForm {
 public:
  explicit FakeHostForm(Log& log) : log_(log) {}
  std::map<std::string, BagValue, std::less<>> members = {
      {"hWnd", int32_t{0x1234}}, {"Width", 6000.0f}, {"Height", 4000.0f}, {"Left", 300.0f}, {"Top", 200.0f},
      {"WindowState", int16_t{0}}, {"Enabled", true},       {"MDIChild", false},  {"ScaleWidth", 5880.0f},
      {"ScaleHeight", 3600.0f},    {"ScaleMode", int16_t{1}},  {"Caption", std::string("Main")},
      {"Visible", true},           {"AutoRedraw", false},      {"DrawWidth", int16_t{1}},
      {"DrawMode", int16_t{13}},   {"DrawStyle", int16_t{0}}};
  // Methods that succeed; each call is logged and kept with its arguments. Move places the form.
  std::set<std::string, std::less<>> methods = {"Line", "Circle", "Refresh", "Cls", "Move"};
  std::vector<std::pair<std::string, std::vector<BagValue>>> calls;
  std::set<std::string, std::less<>> failing;  // members whose access fails
  bool isForm = true, isMdiParent = false;
  float twipsPerUnit = 1;  // what ScaleX/ScaleY multiply by (15 for pixels)
  std::function<void()> onResize;

  HostStatus Get(std::string_view member, BagValue& out) override {
    if (failing.count(member)) return HostStatus::Failed(std::string(member) + " failed");
    auto it = members.find(member);
    if (it == members.end()) return HostStatus::Failed("Object doesn't support this property or method");
    out = it->second;
    return {};
  }
  HostStatus Let(std::string_view member, const BagValue& value) override {
    if (failing.count(member)) return HostStatus::Failed(std::string(member) + " failed");
    members[std::string(member)] = value;
    log_.push_back(std::string(member) + "=" + Text(value));
    if ((member == "Width" || member == "Height") && onResize) onResize();
    return {};
  }
  HostStatus Call(std::string_view member, std::vector<BagValue>& args, BagValue* result) override {
    if (failing.count(member)) return HostStatus::Failed(std::string(member) + " failed");
    if ((member == "ScaleX" || member == "ScaleY") && args.size() == 3 && result) {
      *result = std::get<float>(*ConvertBagValue(args[0], BagType::Single)) * twipsPerUnit;
      return {};
    }
    if (methods.count(member)) {
      calls.emplace_back(std::string(member), args);
      std::string text = std::string(member) + "(";
      for (size_t i = 0; i < args.size(); ++i) text += (i ? "," : "") + Text(args[i]);
      log_.push_back(text + ")");
      if (member == "Move" && args.size() == 4) {
        const char* place[] = {"Left", "Top", "Width", "Height"};
        for (size_t i = 0; i < 4; ++i) members[place[i]] = args[i];
        if (onResize) onResize();
      }
      return {};
    }
    return HostStatus::Failed("Object doesn't support this property or method");
  }
  bool IsForm() override { return isForm; }
  bool IsMdiParent() override { return isMdiParent; }

  float Single(const char* member) { return std::get<float>(*ConvertBagValue(members[member], BagType::Single)); }
  static std::string Text(const BagValue& v) {
    if (auto s = std::get_if<std::string>(&v)) return *s;
    if (auto b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    return std::to_string(static_cast<long>(std::get<float>(*ConvertBagValue(v, BagType::Single))));
  }

 private:
  Log& log_;
};

class FakeControls : public HostControls {
 public:
  explicit FakeControls(Log& log) : log_(log) {}
  std::vector<bool> hasAllowUpdates = {false, true, false, true};
  size_t Count() override { return hasAllowUpdates.size(); }
  HostStatus CallOnItem(size_t index, std::string_view member, std::vector<BagValue>& args) override {
    if (!hasAllowUpdates[index] || member != "AllowUpdates") return HostStatus::Failed("no such member");
    log_.push_back("item" + std::to_string(index) + "." + std::string(member) + "(" + FakeHostForm::Text(args[0]) + ")");
    return {};
  }

 private:
  Log& log_;
};

// Timers run on a clock the test moves; the lock is refused while someone else holds it.
class FakePlatform : public LifecyclePlatform {
 public:
  explicit FakePlatform(Log& log) : log_(log) {}
  std::function<void(LifecycleTimer)> onTick;
  bool lockedElsewhere = false;
  int beeps = 0;
  std::vector<std::string> errors;
  std::optional<Placement> normalPlacement = Placement{450, 300, 7000, 5000};

  bool LockWindowUpdate(intptr_t) override {
    if (lockedElsewhere || locked) return false;
    locked = true;
    log_.push_back("lock");
    return true;
  }
  void UnlockWindowUpdate() override {
    locked = false;
    log_.push_back("unlock");
  }
  void SetEmptyRegion(intptr_t) override { log_.push_back("empty region"); }
  void RemoveRegion(intptr_t) override { log_.push_back("no region"); }
  void Beep() override { ++beeps; }
  void ShowError(const std::string& text) override {
    errors.push_back(text);
    log_.push_back("error box");
  }
  void StartTimer(LifecycleTimer timer, unsigned ms) override { due_[timer] = now_ + ms, interval_[timer] = ms; }
  void StopTimer(LifecycleTimer timer) override { due_.erase(timer); }
  std::optional<Placement> NormalPlacement(intptr_t) override { return normalPlacement; }

  bool Running(LifecycleTimer timer) const { return due_.count(timer) != 0; }
  unsigned Now() const { return now_; }
  // Moves the clock, ticking every timer that falls due on the way, in time order.
  void Advance(unsigned ms) {
    unsigned end = now_ + ms;
    for (;;) {
      auto next = due_.end();
      for (auto it = due_.begin(); it != due_.end(); ++it)
        if (it->second <= end && (next == due_.end() || it->second < next->second)) next = it;
      if (next == due_.end()) break;
      LifecycleTimer timer = next->first;
      now_ = next->second;
      next->second = now_ + interval_[timer];
      if (onTick) onTick(timer);
    }
    now_ = end;
  }
  bool locked = false;

 private:
  Log& log_;
  unsigned now_ = 0;
  std::map<LifecycleTimer, unsigned> due_, interval_;
};

// Records each step with the clock's time where that matters; a step named in failing fails.
class RecordingWork : public ScalingWork {
 public:
  RecordingWork(Log& log, FakePlatform& platform) : log_(log), platform_(platform) {}
  std::set<std::string, std::less<>> failing;
  std::function<void()> duringResize;  // what the engine does inside a pass (lock, resize, ...)
  std::function<void()> duringOpenEffect;  // what the thread's messages do while it plays
  std::vector<unsigned> resizeTimes;
  float innerWidth = 5880, innerHeight = 3600;  // what FormInnerSize measures, in twips

  void ReplaceFonts() override { Note("ReplaceFonts"); }
  HostStatus ResizeControls() override {
    resizeTimes.push_back(platform_.Now());
    if (duringResize) duringResize();
    return Note("ResizeControls");
  }
  HostStatus LoadWindowSettings() override { return Note("LoadWindowSettings"); }
  HostStatus SaveWindowSettings() override { return Note("SaveWindowSettings"); }
  void DeleteWindowSettings() override { Note("DeleteWindowSettings"); }
  HostStatus SizeFormToScreen() override { return Note("SizeFormToScreen"); }
  HostStatus CenterFormX() override { return Note("CenterFormX"); }
  HostStatus CenterFormY() override { return Note("CenterFormY"); }
  HostStatus PaintGradient() override { return Note("PaintGradient"); }
  HostStatus OpenEffect() override {
    if (duringOpenEffect) duringOpenEffect();
    return Note("OpenEffect");
  }
  HostStatus CloseEffect() override { return Note("CloseEffect"); }
  void SetTopMost() override { Note("SetTopMost"); }
  void UnhookWindow(intptr_t) override { Note("UnhookWindow"); }
  HostStatus FormInnerSize(float& width, float& height) override {
    if (failing.count("FormInnerSize")) return HostStatus::Failed("FormInnerSize went wrong");
    width = innerWidth;
    height = innerHeight;
    return {};
  }
  void KeepPrintFormParked() override { Note("KeepPrintFormParked"); }

 private:
  HostStatus Note(const char* step) {
    log_.push_back(step);
    if (failing.count(step)) return HostStatus::Failed(std::string(step) + " went wrong");
    return {};
  }
  Log& log_;
  FakePlatform& platform_;
};

}  // namespace amb::test
