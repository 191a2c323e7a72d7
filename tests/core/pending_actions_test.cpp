#include "pending_actions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace DozIzevodoz;

namespace {

// What happens, in the order it happens. "R Boot" is a request; a run's events come between the
// "run ..." the owner asks for and its end.
enum class On {
  Request,
  Start,
  RanOut,
  Cancel,
  ExitOk,
  ExitCancel,
  NextArmFails,
  NextArmInterrupted,  // by a request made while the countdown arms (a box that processes messages)
  RunDone,
  RunCancelled,
  RunUnreadable
};
struct Event {
  On on;
  const char* action = "";
};
Event R(const char* action) { return {On::Request, action}; }
Event Start(const char* action) { return {On::Start, action}; }
Event ArmInterruptedBy(const char* action) { return {On::NextArmInterrupted, action}; }
constexpr Event kRanOut{On::RanOut}, kCancel{On::Cancel}, kExitOk{On::ExitOk}, kExitCancel{On::ExitCancel},
    kNextArmFails{On::NextArmFails}, kRunDone{On::RunDone}, kRunCancelled{On::RunCancelled},
    kRunUnreadable{On::RunUnreadable};

PendingAction Action(const std::string& name) {
  const int32_t code = name == "Shut" ? 0 : name == "Log" ? 1 : name == "Boot" ? 2 : 4;
  return {code, name};
}

// Plays the engine's part: a countdown asked for is shown (or fails to arm when told so), a run
// asked for goes on until the sequence ends it. Returns what the owner asked for, in order.
std::string Play(const std::vector<Event>& events) {
  PendingActions owner;
  std::vector<std::string> done;
  bool failNextArm = false;
  std::string interruptNextArm;
  std::function<void(NextStep)> follow = [&](NextStep step) {
    for (;;) {
      const std::string name = step.action.name;
      switch (step.kind) {
        case NextStep::Kind::Nothing:
          return;
        case NextStep::Kind::RunTasks:
          done.push_back("run " + name);
          return;
        case NextStep::Kind::MakeCall:
          done.push_back("call " + name);
          return;
        case NextStep::Kind::ShowCountdown:
          EXPECT_EQ(step.action.code, Action(name).code) << name;
        {
          done.push_back((step.freshCount ? "countdown " : "on the count ") + name +
                         (step.tasksDone ? " (tasks run)" : "") + (failNextArm ? " failed" : ""));
          const bool fails = std::exchange(failNextArm, false);
          if (!interruptNextArm.empty()) follow(owner.Requested(Action(std::exchange(interruptNextArm, ""))));
          step = fails ? owner.ArmFailed() : owner.CountdownShown();
          break;
        }
      }
    }
  };
  for (const Event& e : events) {
    switch (e.on) {
      case On::Request:
        follow(owner.Requested(Action(e.action)));
        break;
      case On::Start:
        follow(owner.Started(Action(e.action)));
        break;
      case On::RanOut:
        follow(owner.RanOut());
        break;
      case On::Cancel:
        follow(owner.CancelledByUser());
        break;
      case On::ExitOk:
        follow(owner.ExitAnswered(true));
        break;
      case On::ExitCancel:
        follow(owner.ExitAnswered(false));
        break;
      case On::NextArmFails:
        failNextArm = true;
        break;
      case On::NextArmInterrupted:
        interruptNextArm = e.action;
        break;
      case On::RunDone:
        follow(owner.RunEnded(RunEnd::Completed));
        break;
      case On::RunCancelled:
        follow(owner.RunEnded(RunEnd::Cancelled));
        break;
      case On::RunUnreadable:
        follow(owner.RunEnded(RunEnd::TasksUnreadable));
        break;
    }
  }
  std::string text;
  for (const std::string& d : done) text += (text.empty() ? "" : ", ") + d;
  return text;
}

// Every road of a request, from the request to its call or its end. A call comes only after a
// countdown the user saw run out (or a start without one that the user chose); only a cancel of a
// countdown on screen withdraws its request. The tray countdown that starts a run stays loaded and
// hidden while the run lasts, so that a request made then waits for the run's end for its countdown
// (the exit question's Cancel closes it, and a request after that counts down at once).
TEST(PendingActions, EveryRoadFromRequestToCall) {
  struct Road {
    const char* what;
    std::vector<Event> events;
    const char* done;
  };
  const Road roads[] = {
      {"a plain request", {R("Shut"), kRanOut, kRunDone}, "countdown Shut, run Shut, call Shut"},
      {"a request cancelled", {R("Shut"), kCancel, kRanOut}, "countdown Shut"},
      {"a second request on the count under way",
       {R("Shut"), R("Boot"), kRanOut, kRunDone},
       "countdown Shut, on the count Boot, run Boot, call Boot"},
      {"no countdown chosen (the command line)", {Start("Shut"), kRunDone}, "run Shut, call Shut"},
      {"a request during the run, cancelled while the run goes on",
       {R("Shut"), kRanOut, kExitCancel, R("Boot"), kCancel, kRunDone},
       "countdown Shut, run Shut, countdown Boot, call Shut"},
      {"the exit question answered OK during the run",
       {R("Shut"), kRanOut, R("Boot"), kExitOk, kRunCancelled},
       "countdown Shut, run Shut"},
      {"CTRL+ALT+SPACE during the run, then a new request",
       {R("Shut"), kRanOut, R("Boot"), kRunCancelled, R("Log"), kRanOut, kRunDone},
       "countdown Shut, run Shut, countdown Log, run Log, call Log"},
      {"the follow-up countdown runs out",
       {R("Shut"), kRanOut, R("Boot"), kRunDone, kRanOut, kRunDone},
       "countdown Shut, run Shut, countdown Boot, run Boot, call Boot"},

      // 1. Cancelling the follow-up countdown gives the standing action a countdown of its own.
      {"1: the follow-up countdown cancelled, then the standing one",
       {R("Shut"), kRanOut, R("Boot"), kRunDone, kCancel, kCancel, kRanOut},
       "countdown Shut, run Shut, countdown Boot, countdown Shut (tasks run)"},
      {"1: the standing action's countdown runs out",
       {R("Shut"), kRanOut, R("Boot"), kRunDone, kCancel, kRanOut},
       "countdown Shut, run Shut, countdown Boot, countdown Shut (tasks run), call Shut"},
      {"1: cancelled by the exit question's Cancel",
       {R("Shut"), kRanOut, R("Boot"), kRunDone, kExitCancel, kExitCancel},
       "countdown Shut, run Shut, countdown Boot, countdown Shut (tasks run)"},
      {"1: a new request on the standing action's count",
       {R("Shut"), kRanOut, R("Boot"), kRunDone, kCancel, R("Log"), kCancel, kCancel},
       "countdown Shut, run Shut, countdown Boot, countdown Shut (tasks run), on the count Log, "
       "countdown Shut (tasks run)"},
      // 2. The exit question's Cancel during the run withdraws no request the user could not see.
      {"2: the exit question's Cancel during the run",
       {R("Shut"), kRanOut, R("Boot"), kExitCancel, kRunDone, kRanOut, kRunDone},
       "countdown Shut, run Shut, countdown Boot, run Boot, call Boot"},
      // 3. Nothing is held that no countdown on screen stands for.
      {"3: the follow-up countdown cannot be armed",
       {R("Shut"), kRanOut, R("Boot"), kNextArmFails, kRunDone, R("Log"), kCancel, kRanOut},
       "countdown Shut, run Shut, countdown Boot failed, countdown Log"},
      {"3: a request's countdown cannot be armed",
       {kNextArmFails, R("Shut"), kRanOut, kCancel},
       "countdown Shut failed"},
      {"3: a countdown armed by a request made while an earlier one armed",
       {ArmInterruptedBy("Boot"), R("Shut"), kRanOut, kRunDone},
       "countdown Shut, countdown Boot, run Boot, call Boot"},
      {"3: the earlier arm fails after the later countdown showed",
       {kNextArmFails, ArmInterruptedBy("Boot"), R("Shut"), kRanOut, kRunDone},
       "countdown Shut failed, countdown Boot, run Boot, call Boot"},
      // 4. One countdown per request: one that ran out during the run runs its tasks after it.
      {"4: a countdown runs out during the run",
       {R("Shut"), kRanOut, kExitCancel, R("Boot"), kRanOut, kRunDone, kRunDone},
       "countdown Shut, run Shut, countdown Boot, run Boot, call Boot"},
      {"4: a countdown on screen when the run ends",
       {R("Shut"), kRanOut, kExitCancel, R("Boot"), kRunDone, kCancel},
       "countdown Shut, run Shut, countdown Boot, countdown Shut (tasks run)"},
      // 6. An action whose tasks could not be read is withdrawn, never made without them.
      {"6: the task list unreadable at the run", {R("Shut"), kRanOut, kRunUnreadable}, "countdown Shut, run Shut"},
      {"6: unreadable without a countdown", {Start("Shut"), kRunUnreadable}, "run Shut"},
      {"6: unreadable, with a request made meanwhile",
       {R("Shut"), kRanOut, R("Boot"), kRunUnreadable, kCancel},
       "countdown Shut, run Shut, countdown Boot"},
      // An engine called again inside its own run (a second countdown's end) starts nothing.
      {"a start inside the run", {Start("Shut"), Start("Boot"), kRunDone}, "run Shut, call Shut"},
  };
  for (const Road& road : roads) EXPECT_EQ(Play(road.events), road.done) << road.what;
}

}  // namespace
