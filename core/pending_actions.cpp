#include "pending_actions.h"

#include <utility>

namespace DozIzevodoz {
namespace {

NextStep Step(NextStep::Kind kind, const PendingAction& action) {
  NextStep step;
  step.kind = kind;
  step.action = action;
  return step;
}

}  // namespace

NextStep PendingActions::Show(const PendingAction& action, bool freshCount, bool tasksDone) {
  arming_ = Countdown{action, tasksDone};
  NextStep step = Step(NextStep::Kind::ShowCountdown, action);
  step.freshCount = freshCount;
  step.tasksDone = tasksDone;
  return step;
}

NextStep PendingActions::Requested(const PendingAction& action) {
  if (onScreen_) {
    // A new action on the count under way: the count goes on and ends in the new action. An
    // action whose tasks have run and that the count stood for waits behind it again.
    if (onScreen_->tasksDone) held_ = onScreen_->action;
    onScreen_.reset();
    return Show(action, false, false);
  }
  if (running_ && windowSpent_) {
    waiting_ = action;
    return {};
  }
  return Show(action, true, false);
}

NextStep PendingActions::Started(const PendingAction& action) {
  if (running_) return {};
  running_ = action;
  windowSpent_ = false;
  return Step(NextStep::Kind::RunTasks, action);
}

// An arm that a request made meanwhile (a box shown while the window loads) went past reports to
// an owner that is no longer arming it: the report is stale and the later countdown stays.
NextStep PendingActions::CountdownShown() {
  if (arming_) onScreen_ = std::exchange(arming_, std::nullopt);
  return {};
}

NextStep PendingActions::ArmFailed() {
  if (!arming_) return {};
  // No countdown stands for the request, nor for an action that waited behind it.
  arming_.reset();
  onScreen_.reset();
  held_.reset();
  return {};
}

NextStep PendingActions::RanOut() {
  if (!onScreen_) return {};
  const Countdown ended = *std::exchange(onScreen_, std::nullopt);
  if (running_) {
    // Its tasks wait for the run under way; no second countdown comes after it.
    due_ = ended.action;
    return {};
  }
  held_.reset();  // the later request replaces the action that waited behind it
  if (ended.tasksDone) return Step(NextStep::Kind::MakeCall, ended.action);
  running_ = ended.action;
  windowSpent_ = true;
  return Step(NextStep::Kind::RunTasks, ended.action);
}

NextStep PendingActions::CancelledByUser() {
  windowSpent_ = false;
  if (!onScreen_) return {};  // a window the user could not see: nothing withdrawn
  onScreen_.reset();
  if (running_ || !held_) return {};
  // The action that waited behind the cancelled countdown gets a countdown of its own.
  const PendingAction standing = *std::exchange(held_, std::nullopt);
  return Show(standing, true, true);
}

NextStep PendingActions::ExitAnswered(bool exit) {
  if (!exit) return CancelledByUser();
  arming_.reset();
  onScreen_.reset();
  waiting_.reset();
  due_.reset();
  held_.reset();
  windowSpent_ = false;
  return {};
}

NextStep PendingActions::RunEnded(RunEnd end) {
  if (!running_) return {};
  const PendingAction ran = *std::exchange(running_, std::nullopt);
  windowSpent_ = false;
  const std::optional<PendingAction> waiting = std::exchange(waiting_, std::nullopt);
  const std::optional<PendingAction> due = std::exchange(due_, std::nullopt);
  // A cancelled run takes the requests made during it along; a countdown on screen stays the user's.
  if (end == RunEnd::Cancelled) return {};
  if (due) {
    running_ = *due;
    return Step(NextStep::Kind::RunTasks, *due);
  }
  const bool ranItsTasks = end == RunEnd::Completed;
  if (onScreen_) {
    if (ranItsTasks) held_ = ran;
    return {};
  }
  if (waiting) {
    if (ranItsTasks) held_ = ran;
    return Show(*waiting, true, false);
  }
  if (ranItsTasks) return Step(NextStep::Kind::MakeCall, ran);
  return {};
}

}  // namespace DozIzevodoz
