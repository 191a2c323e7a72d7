#pragma once
// In-memory host objects for the engine's tests and benchmark: controls with members by name,
// containers, lines, fonts, pictures, collections and image lists, a form with its controls,
// pictures drawn as sizes only, and window moves gathered and applied on Flush. Every access is
// counted the way a late-bound call would be.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "picture_tools.h"
#include "resize_engine.h"

namespace amb::test {

struct FakeStats {
  uint64_t gets = 0, lets = 0, calls = 0, failed = 0;
  uint64_t Total() const { return gets + lets + calls; }
};

class FakeObject;
using FakePtr = std::shared_ptr<FakeObject>;

// A control's few members side by side: found by a short scan, as compact as an object model's
// own property table, so that thousands of fake controls measure the engine, not the fakes.
class Members {
 public:
  using Entry = std::pair<std::string, HostValue>;
  Members() = default;
  Members(std::initializer_list<Entry> entries) : entries_(entries) {}
  std::vector<Entry>::iterator find(std::string_view name) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
      if (it->first == name) return it;
    return entries_.end();
  }
  std::vector<Entry>::const_iterator find(std::string_view name) const {
    return const_cast<Members*>(this)->find(name);
  }
  std::vector<Entry>::iterator end() { return entries_.end(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }
  size_t count(std::string_view name) const { return find(name) != end() ? 1 : 0; }
  HostValue& operator[](std::string_view name) {
    auto it = find(name);
    if (it != end()) return it->second;
    entries_.emplace_back(std::string(name), HostValue());
    return entries_.back().second;
  }
  void erase(std::string_view name) {
    auto it = find(name);
    if (it != end()) entries_.erase(it);
  }

 private:
  std::vector<Entry> entries_;
};

class FakeObject : public HostObject, public std::enable_shared_from_this<FakeObject> {
 public:
  FakeObject(std::shared_ptr<FakeStats> stats, std::string type) : stats(std::move(stats)), typeName(std::move(type)) {}

  std::shared_ptr<FakeStats> stats;
  std::string typeName;
  Members members;
  std::map<std::string, std::map<int32_t, HostValue>, std::less<>> indexed;  // TabPicture(i)
  std::set<std::string, std::less<>> failing;                                // refuse reads and writes
  std::weak_ptr<FakeObject> container;                                       // read as Container
  std::vector<HostObjectPtr> items;  // a collection's items, Item(first..)
  int32_t first = 1;
  bool isForm = false, isMdiParent = false, windowed = false;
  // Methods beyond Move, Item, Clear and Add; and what happens when a member is written.
  std::function<HostStatus(std::string_view, const std::vector<HostValue>&, HostValue*)> onCall;
  std::function<void(std::string_view)> onLet;
  std::vector<std::string>* log = nullptr;  // writes, when a test reads their order

  HostStatus Get(std::string_view member, HostValue& out) override {
    ++stats->gets;
    if (failing.count(member)) return Fail();
    if (member == "Container" && !container.expired()) {
      out = HostObjectPtr(container.lock());
      return {};
    }
    if (member == "Count" && typeName == "Collection") {
      out = static_cast<double>(items.size());
      return {};
    }
    auto it = members.find(member);
    if (it == members.end()) return Fail();
    out = it->second;
    return {};
  }
  HostStatus Let(std::string_view member, const HostValue& value) override {
    ++stats->lets;
    if (failing.count(member) || !members.count(member)) return Fail();
    members[std::string(member)] = value;
    if (log) log->push_back(Name() + "." + std::string(member) + "=" + TextOf(value));
    if (onLet) onLet(member);
    return {};
  }
  HostStatus Call(std::string_view member, const std::vector<HostValue>& args, HostValue* result) override {
    ++stats->calls;
    if (failing.count(member)) return Fail();
    if (onCall) {
      HostStatus s = onCall(member, args, result);
      if (s || s.description != "unhandled") return s;
    }
    if (member == "Move" && args.size() == 4 && members.count("Left")) {
      const char* names[] = {"Left", "Top", "Width", "Height"};
      for (int i = 0; i < 4; ++i) members[names[i]] = args[static_cast<size_t>(i)];
      if (log) log->push_back(Name() + ".Move");
      if (onLet) onLet("Move");
      return {};
    }
    return Fail();
  }
  HostStatus GetAt(std::string_view member, const HostValue& index, HostValue& out) override {
    ++stats->gets;
    int32_t i = static_cast<int32_t>(std::get<double>(index));
    if (member == "Item" && typeName == "Collection") {
      if (i < first || i - first >= static_cast<int32_t>(items.size())) return Fail();
      out = HostObjectPtr(items[static_cast<size_t>(i - first)]);
      return {};
    }
    auto it = indexed.find(member);
    if (it == indexed.end() || !it->second.count(i)) return Fail();
    out = it->second[i];
    return {};
  }
  HostStatus LetAt(std::string_view member, const HostValue& index, const HostValue& value) override {
    ++stats->lets;
    auto it = indexed.find(member);
    if (it == indexed.end()) return Fail();
    it->second[static_cast<int32_t>(std::get<double>(index))] = value;
    return {};
  }
  std::string TypeName() override { return typeName; }
  bool IsForm() override { return isForm; }
  bool IsMdiParent() override { return isMdiParent; }
  const void* Identity() override { return this; }
  // A windowed fake joins the batch with its geometry as the "pixels" (one unit each).
  bool PlanWindowMove(float l, float t, float w, float h, WindowMove& out) override {
    if (!windowed) return false;
    out.window = reinterpret_cast<intptr_t>(this);
    out.x = static_cast<int>(l), out.y = static_cast<int>(t), out.cx = static_cast<int>(w), out.cy = static_cast<int>(h);
    return true;
  }

  double Number(std::string_view member) const {
    auto it = members.find(member);
    return it != members.end() && std::holds_alternative<double>(it->second) ? std::get<double>(it->second) : -1;
  }
  std::string Name() const {
    auto it = members.find("Name");
    return it != members.end() ? TextOf(it->second) : typeName;
  }
  Box Geometry() const {
    return {float(Number("Left")), float(Number("Top")), float(Number("Width")), float(Number("Height"))};
  }
  FakePtr Nested(std::string_view member) const {
    auto it = members.find(member);
    if (it == members.end() || !std::holds_alternative<HostObjectPtr>(it->second)) return nullptr;
    return std::static_pointer_cast<FakeObject>(std::get<HostObjectPtr>(it->second));
  }

 private:
  HostStatus Fail() {
    ++stats->failed;
    return HostStatus::Failed("Object doesn't support this property or method", 438);
  }
};

inline FakePtr MakeFake(const std::shared_ptr<FakeStats>& stats, std::string type) {
  return std::make_shared<FakeObject>(stats, std::move(type));
}

// A picture drawn as its size in twips only.
inline FakePtr MakePicture(const std::shared_ptr<FakeStats>& stats, double width, double height) {
  FakePtr p = MakeFake(stats, "Picture");
  p->members = {{"Width", width}, {"Height", height}};
  return p;
}

class FakePictureTools : public PictureTools {
 public:
  explicit FakePictureTools(std::shared_ptr<FakeStats> stats) : stats_(std::move(stats)) {}
  struct Laid {
    PictureLayout layout;
    float width, height;
    int32_t backColor;
  };
  std::vector<Laid> laid;
  int stretches = 0;
  bool failing = false;

  bool SizeOf(HostObject& picture, float& w, float& h) override {
    return picture.TypeName() == "Picture" && GetFloat(picture, "Width", w) && GetFloat(picture, "Height", h);
  }
  HostObjectPtr Stretch(HostObject&, float w, float h) override {
    ++stretches;
    return failing ? nullptr : MakePicture(stats_, w, h);
  }
  HostObjectPtr Lay(HostObject&, PictureLayout layout, float w, float h, int32_t back) override {
    laid.push_back({layout, w, h, back});
    return failing ? nullptr : MakePicture(stats_, w, h);
  }

 private:
  std::shared_ptr<FakeStats> stats_;
};

// Moves gathered and applied together, as the window batch does.
class FakeMoves : public MoveBatch {
 public:
  int flushes = 0;
  size_t applied = 0;
  void Add(const WindowMove& m) override { pending_.push_back(m); }
  void Flush() override {
    ++flushes;
    for (const WindowMove& m : pending_) {
      auto* o = reinterpret_cast<FakeObject*>(m.window);
      o->members["Left"] = double(m.x), o->members["Top"] = double(m.y);
      o->members["Width"] = double(m.cx), o->members["Height"] = double(m.cy);
    }
    applied += pending_.size();
    pending_.clear();
  }
  void Finish(intptr_t formWindow) override {
    ++finishes;
    repainted = formWindow;
  }
  int finishes = 0;
  intptr_t repainted = 0;  // the form window the last pass repainted

 private:
  std::vector<WindowMove> pending_;
};

// A host form and its controls. The form is 6000 x 4000 twips inside, in twips unless told.
class FakeForm {
 public:
  std::shared_ptr<FakeStats> stats = std::make_shared<FakeStats>();
  FakePtr form = MakeFake(stats, "Form");
  FakePtr controls = MakeFake(stats, "Collection");        // Parent.Controls
  FakePtr parentControls = MakeFake(stats, "Collection");  // the form first
  float twipsPerUnit = 1;

  FakeForm() {
    form->isForm = true;
    form->members = {{"Name", std::string("frmMain")}, {"ScaleWidth", 6000.0}, {"ScaleHeight", 4000.0},
                     {"ScaleMode", 1.0},                {"Picture", HostObjectPtr()}, {"Visible", true},
                     {"Controls", HostObjectPtr(controls)}};
    controls->first = 0;
    parentControls->first = 0;
    parentControls->items.push_back(form);
    form->onCall = [this](std::string_view m, const std::vector<HostValue>& args, HostValue* result) -> HostStatus {
      if ((m == "ScaleX" || m == "ScaleY") && args.size() == 3 && result) {
        *result = std::get<double>(args[0]) * twipsPerUnit;
        return {};
      }
      if (m == "Hide" || m == "Show") {
        if (form->log) form->log->push_back(std::string(m));
        return {};
      }
      return HostStatus::Failed("unhandled");
    };
  }
  // How the form measures: in units of twipsPerUnit (15: pixels), with a ScaleMode of its own or
  // none; an MDI parent form converts nothing.
  void MeasureIn(float twips, bool mdiParent, bool hasScaleMode = true) {
    form->isMdiParent = mdiParent;
    form->isForm = !mdiParent;
    if (twips != 1) form->members["ScaleMode"] = 3.0;
    if (!hasScaleMode) form->members.erase("ScaleMode");
    twipsPerUnit = twips;
  }
  // The inner size, in the form's units.
  void Resize(double w, double h) {
    form->members["ScaleWidth"] = w;
    form->members["ScaleHeight"] = h;
  }
  FakePtr Add(std::string type, std::string name, Box box, const FakePtr& in = nullptr, int index = -1) {
    FakePtr c = MakeFake(stats, std::move(type));
    c->members = {{"Name", name}, {"Left", double(box.left)}, {"Top", double(box.top)},
                  {"Width", double(box.width)}, {"Height", double(box.height)}};
    if (index >= 0) c->members["Index"] = double(index);
    c->container = in ? in : form;
    Register(c);
    return c;
  }
  FakePtr AddLine(std::string name, float x1, float y1, float x2, float y2, const FakePtr& in = nullptr) {
    FakePtr c = MakeFake(stats, "Line");
    c->members = {{"Name", name}, {"X1", double(x1)}, {"Y1", double(y1)}, {"X2", double(x2)}, {"Y2", double(y2)},
                  {"BorderWidth", 1.0}};
    c->container = in ? in : form;
    Register(c);
    return c;
  }
  static FakePtr GiveFont(const FakePtr& c, const char* member, double size) {
    FakePtr font = MakeFake(c->stats, "Font");
    font->members = {{"Size", size}, {"Name", std::string("Arial")}};
    c->members[member] = HostObjectPtr(font);
    return font;
  }
  void Register(const FakePtr& c) {
    controls->items.push_back(c);
    parentControls->items.push_back(c);
  }
};

// The control's side: events and the lock in one log.
class RecordingEngineHost : public EngineHost {
 public:
  explicit RecordingEngineHost(FakeForm& form) : form_(form.form), controls_(form.parentControls) {}
  RecordingEngineHost(HostObjectPtr form, HostObjectPtr parentControls)
      : form_(std::move(form)), controls_(std::move(parentControls)) {}
  std::vector<std::string> events;
  bool initialised = true;
  bool bound = true;

  HostObjectPtr Form() override { return bound ? form_ : nullptr; }
  intptr_t FormWindow() override {
    double window = 0;
    return bound && form_ && GetNumber(*form_, "hWnd", window) ? static_cast<intptr_t>(window) : 0;
  }
  HostObjectPtr ParentControls() override { return controls_; }
  bool Initialised() override { return initialised; }
  void LockUpdates(bool on) override { events.push_back(on ? "lock" : "unlock"); }
  void ResizeStarted() override { events.push_back("Started"); }
  void ResizeDone() override { events.push_back("Done"); }
  void ReportError(const std::string& text, int32_t number) override {
    events.push_back("Error: " + text + (number ? " #" + std::to_string(number) : ""));
  }

 private:
  HostObjectPtr form_, controls_;
};

}  // namespace amb::test
