#pragma once
// The one owner of the power actions the user has asked for and not yet seen through: the request
// whose countdown is on screen, the action whose tasks run, a request made while they run, one whose
// countdown ran out while they ran, and an action whose tasks have run standing behind a later
// request's countdown. It is told what happens and answers what to do next; the shutdown engine
// does it and tells the outcome back.
//
// Its promises: no power call without a countdown the user saw run out (or a start for which the
// user chose no countdown); only cancelling a countdown on screen withdraws its request; nothing is
// held that no countdown on screen stands for; one countdown per request.
#include <optional>

#include "shutdown_plan.h"

namespace DozIzevodoz {

struct NextStep {
  enum class Kind {
    Nothing,
    ShowCountdown,  // arm the tray countdown for the action, then report CountdownShown or ArmFailed
    RunTasks,       // run the action's tasks, then report RunEnded
    MakeCall,       // make the action's power call
  };
  Kind kind = Kind::Nothing;
  PendingAction action;  // its force is not decided here: the Force item's state at the call applies
  // ShowCountdown: a count of its own (the window loaded afresh), not a new action on the count under way.
  bool freshCount = false;
  // ShowCountdown: the action's tasks have run; its count ends in the call.
  bool tasksDone = false;

  bool operator==(const NextStep&) const = default;
};

// How a task run ended: every task run (or none to run), cancelled (CTRL+ALT+SPACE, "Cancel All
// Tasks", the program's exit), or not started because the task list could not be read.
enum class RunEnd { Completed, Cancelled, TasksUnreadable };

class PendingActions {
 public:
  // A power request of the tray menu or a hot key.
  NextStep Requested(const PendingAction& action);
  // A run that no countdown came before (the command line's: its own countdown, or none).
  NextStep Started(const PendingAction& action);
  // The outcome of ShowCountdown.
  NextStep CountdownShown();
  NextStep ArmFailed();
  // The tray countdown's count ran out.
  NextStep RanOut();
  // The user cancelled the tray countdown (ENTER, a click); the window is gone.
  NextStep CancelledByUser();
  // The exit question (CTRL+ALT+X): OK ends the program; Cancel closes the tray countdown window.
  NextStep ExitAnswered(bool exit);
  NextStep RunEnded(RunEnd end);

  bool Running() const { return running_.has_value(); }

 private:
  struct Countdown {
    PendingAction action;
    bool tasksDone = false;
  };
  NextStep Show(const PendingAction& action, bool freshCount, bool tasksDone);

  std::optional<Countdown> arming_;    // asked for, not yet shown
  std::optional<Countdown> onScreen_;  // counting (or paused by the exit question)
  std::optional<PendingAction> running_;
  // The countdown window whose count started the run stays loaded and hidden while it lasts; a
  // request then waits for the run's end for its countdown.
  bool windowSpent_ = false;
  std::optional<PendingAction> waiting_;  // requested during the run, no countdown yet
  std::optional<PendingAction> due_;      // its countdown ran out during the run
  std::optional<PendingAction> held_;     // its tasks have run; behind the countdown on screen
};

}  // namespace DozIzevodoz
