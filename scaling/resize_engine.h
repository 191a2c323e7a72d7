#pragma once
// The resize engine: the first call records every control of the host form; every later call
// brings them to the form's new inner size from their records (never from the last result), with
// ResizeStarted, ResizeDone and the Error reports.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ambrelo_settings.h"
#include "control_capture.h"
#include "control_geometry.h"
#include "control_record.h"
#include "flag_records.h"
#include "host_object.h"
#include "picture_tools.h"
#include "resize_state.h"
#include "scaling_work.h"

namespace amb {

// Window moves gathered during a pass and applied together; windows that cannot join are moved
// through their own members at once.
class MoveBatch {
 public:
  virtual ~MoveBatch() = default;
  virtual void Add(const WindowMove& move) = 0;
  virtual void Flush() = 0;
  // The pass is over: what was moved, and the form's window with all it holds (0: none), is
  // repainted once. Controls moved through their own members repaint only what they grew into,
  // and a frame keeps its old border and caption unless its whole form repaints.
  virtual void Finish(intptr_t formWindow) = 0;
};

// What the engine needs of the control that runs it.
class EngineHost {
 public:
  virtual ~EngineHost() = default;
  virtual HostObjectPtr Form() = 0;            // the control's Parent; null while none is bound
  virtual intptr_t FormWindow() = 0;           // that form's window; 0 while it gives none
  virtual HostObjectPtr ParentControls() = 0;  // the container's controls, the form first
  virtual bool Initialised() = 0;              // the first-time setup has finished
  virtual void LockUpdates(bool on) = 0;
  virtual void ResizeStarted() = 0;
  virtual void ResizeDone() = 0;
  // number: the error behind the report, where it had one (0 otherwise).
  virtual void ReportError(const std::string& description, int32_t number) = 0;
};

// What one pass did, for the benchmark and the tests.
struct PassCounters {
  uint64_t passes = 0, moves = 0, fontSets = 0, pictureScalings = 0;
};

inline constexpr const char* kCrashedOut = " crashed out!";
inline constexpr const char* kUnsupportedBinding =
    " has a one or more controls bound to it that is not supported by Ambrelo\r\n"
    " See Ambrelo Help File for more information\r\n";

class ResizeEngine {
 public:
  ResizeEngine(const AmbreloSettings& settings, ResizeState& state, FlagRecords& flags, EngineHost& host,
               PictureTools& pictures, MoveBatch& moves)
      : settings_(settings), state_(state), flags_(flags), host_(host), pictures_(pictures), moves_(moves) {}
  ResizeEngine(const ResizeEngine&) = delete;
  ResizeEngine& operator=(const ResizeEngine&) = delete;

  // A call made while a pass runs (from a host event inside it) is run once more after it.
  HostStatus ResizeControls();
  // Records one control again (the host's UpdateControl); the form's picture source follows too.
  // Nothing is recorded under the key "", as SaveControlInfo records it.
  HostStatus UpdateControl(HostObject* control);
  // Nothing (null) is recorded, and given flags, under the key "".
  HostStatus SaveControlInfo(HostObject* control) {
    return RecordControl(control, records_, state_.referenceWidth, state_.referenceHeight);
  }
  HostStatus SaveControlFlags(HostObject* control) { return EnsureControlFlags(control, flags_); }
  // Every control of the form gets the replacement face in each font it has (Font, DayFont,
  // GridFont, TitleFont, HeadFont); errors are passed over, control by control.
  void ReplaceFonts(const std::string& face);
  // One control from its record, as a pass does it; a control without a record or flags fails.
  HostStatus AdjustPosition(HostObject& control);
  // The bound form's inner size in twips; fails while no form is bound.
  HostStatus FormInnerSize(float& width, float& height);

  // Lets go of every host object the records hold (a closed control keeps nothing of its form);
  // the next call records afresh.
  void Forget() {
    records_.Clear();
    formPicture_.reset();
    state_.captured = false;
  }

  ControlRecords& Records() { return records_; }
  const HostObjectPtr& FormPicture() const { return formPicture_; }
  const PassCounters& Counters() const { return counters_; }

  // One control of the pass being run.
  struct Item {
    HostObjectPtr control;
    std::string key;
    // Held for the pass: the host's code that runs meanwhile may take them out of the collections.
    std::shared_ptr<ControlRecord> record;
    std::shared_ptr<const FlagEntry> flags;
    HostObjectPtr container;  // null: placed on the form
    int depth = 0;
    GeometryResult geometry;
    bool adjusted = false;  // its pass-2 work ran: its Last* are due
  };

 private:
  enum class Stop { None, Crashed, Unsupported };
  struct Measure {
    float scaleWidth = 0, scaleHeight = 0;  // the form's inner size in its own units
  };

  HostStatus Pass();
  bool Capture(HostObject& form);  // false: reported through the Error event
  HostStatus FullPass(HostObject& form, bool& completed);
  HostStatus Enumerate(HostObject& collection, int32_t first, std::vector<Item>& items);
  HostStatus PrepareItems(std::vector<Item>& items);
  void OrderByDepth(std::vector<Item>& items);
  HostStatus ScaleItems(std::vector<Item>& items, Stop& stop);
  void ScaleFormPicture(HostObject& form);
  void Finish(std::vector<Item>& items, bool full);
  void Crash(const std::string& name, int32_t number = 0);

  // Per control (control_adjust.cpp)
  HostStatus PlaceControl(Item& item);
  HostStatus FinishControl(Item& item, Stop& stop);
  void FinishGeometry(Item& item);
  GeometryInput ReadGeometry(Item& item, bool& parked);
  void ContainerSize(Item& item, GeometryInput& in);
  std::pair<float, float> UnitsPerSize(HostObject& container);
  float FontTarget(const Item& item, int font) const;
  void SetFonts(Item& item, bool shrinkingOnly);
  void ApplyMove(Item& item, bool parked, const Box& current);
  void ScalePictures(Item& item);
  HostStatus TabControlStep(Item& item);
  void ScaleBorder(Item& item);
  HostStatus SizeButtons(Item& item);
  void RecordLast(Item& item);

  // Image lists (image_list_binding.cpp)
  bool ShouldDetach(const ControlRecord& r);
  void Detach(Item& item);
  void Reattach(Item& item);
  HostStatus RebuildImageList(Item& item);
  void GrowButtons(Item& item, float factor);

  const AmbreloSettings& settings_;
  ResizeState& state_;
  FlagRecords& flags_;
  EngineHost& host_;
  PictureTools& pictures_;
  MoveBatch& moves_;
  ControlRecords records_;
  HostObjectPtr formPicture_;  // the form's design picture, or its scaled copy
  Measure measure_;
  std::unordered_map<const void*, std::pair<float, float>> unitsPerSize_;  // per container, renewed each pass
  PassCounters counters_;
  bool running_ = false, pending_ = false;
};

// The resize engine alone behind the lifecycle, as the benchmark drives it; the control adds
// placement and gradient (control_scaling_work.h).
class EngineScalingWork final : public PendingScalingWork {
 public:
  explicit EngineScalingWork(ResizeEngine& engine) : engine_(engine) {}
  HostStatus ResizeControls() override { return engine_.ResizeControls(); }

 private:
  ResizeEngine& engine_;
};

// The growth of a toolbar's buttons until the toolbar is as high as the factor asks; a loop that
// stops when the height stops changing, and after kMaxButtonGrowth steps whatever happens.
inline constexpr int kMaxButtonGrowth = 64;

}  // namespace amb
