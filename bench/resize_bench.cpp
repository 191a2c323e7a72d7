// Resize benchmark: prints the cost of one engine pass over the in-memory host for 100, 1000 and
// 4000 controls, what a pass does (late-bound calls, moves, font changes), the growth from 1000 to
// 4000 controls, the early exit and a drag with ResizeOnMouseUp; under Windows (Wine) also a pass
// over real child windows against one deferred window-position batch per parent moving the same
// windows to the same rectangles, and against the same moves with the engine's font changes made
// the cheapest way. No pass or fail: figures only.
#include <cstdio>
#include <vector>

#include "bench_form.h"
#include "bench_timing.h"
#include "fake_host_form.h"
#include "form_lifecycle.h"

#ifdef _WIN32
#include "window_bench.h"
#endif

namespace amb::bench {
namespace {

using ::bench::Clock;
using ::bench::Median;
using ::bench::Micros;

struct Figures {
  double passMicros = 0, earlyMicros = 0;
  double calls = 0, failed = 0, moves = 0, fonts = 0, pictures = 0;
  uint64_t earlyCalls = 0;
};

Figures RunFake(int n) {
  BenchForm b;
  BuildFakeForm(b, n);
  AmbreloSettings settings;
  settings.design.scaleWidth = 12000;
  settings.design.scaleHeight = 9000;
  ResizeState state;
  test::RecordingEngineHost host(b.form);
  test::FakePictureTools tools(b.form.stats);
  test::FakeMoves moves;
  ResizeEngine engine(settings, state, b.flags, host, tools, moves);
  host.initialised = false;
  engine.ResizeControls();
  engine.ResizeControls();
  host.initialised = true;

  const int reps = n >= 4000 ? 10 : 40;
  test::FakeStats before = *b.form.stats;
  PassCounters counted = engine.Counters();
  std::vector<double> times;
  for (int r = 0; r < reps; ++r) {
    if (r % 2 == 0) {
      b.form.Resize(18000, 13500);  // 1.5 times the design size
    } else {
      b.form.Resize(6000, 4500);  // half
    }
    Clock::time_point t0 = Clock::now();
    engine.ResizeControls();
    times.push_back(Micros(Clock::now() - t0));
    host.events.clear();
  }
  Figures out;
  const test::FakeStats& after = *b.form.stats;
  out.passMicros = Median(times);
  out.calls = double(after.Total() - before.Total()) / reps;
  out.failed = double(after.failed - before.failed) / reps;
  out.moves = double(engine.Counters().moves - counted.moves) / reps;
  out.fonts = double(engine.Counters().fontSets - counted.fontSets) / reps;
  out.pictures = double(engine.Counters().pictureScalings - counted.pictureScalings) / reps;

  uint64_t callsBefore = after.Total();
  Clock::time_point t0 = Clock::now();
  for (int r = 0; r < 1000; ++r) engine.ResizeControls();
  out.earlyMicros = Micros(Clock::now() - t0) / 1000;
  out.earlyCalls = (b.form.stats->Total() - callsBefore) / 1000;
  return out;
}

// 50 size events 20 ms apart while the user drags, with ResizeOnMouseUp: passes that follow.
uint64_t DragPasses() {
  BenchForm b;
  BuildFakeForm(b, 100);
  AmbreloSettings settings;
  settings.design.scaleWidth = 12000;
  settings.design.scaleHeight = 9000;
  settings.resizeOnMouseUp = true;
  test::Log log;
  auto hostForm = std::make_shared<test::FakeHostForm>(log);
  auto controls = std::make_shared<test::FakeControls>(log);
  test::FakePlatform platform(log);
  test::RecordingEngineHost host(b.form);
  test::FakePictureTools tools(b.form.stats);
  test::FakeMoves moves;
  ResizeState state;
  ResizeEngine engine(settings, state, b.flags, host, tools, moves);
  EngineScalingWork work(engine);
  FormLifecycle lifecycle(settings, platform, work);
  platform.onTick = [&](LifecycleTimer t) { lifecycle.OnTimer(t); };
  lifecycle.HookHostForm(*hostForm, hostForm, controls);
  lifecycle.OnLoad();
  lifecycle.OnHostResize();
  platform.Advance(500);
  uint64_t before = engine.Counters().passes;
  for (int i = 0; i < 50; ++i) {
    b.form.Resize(12000 + 40 * i, 9000 + 30 * i);
    lifecycle.OnHostResize();
    platform.Advance(20);
  }
  platform.Advance(500);
  return engine.Counters().passes - before;
}

void PrintFake() {
  std::printf("Engine over the in-memory host (median pass, alternating 1.5x and 0.5x the design size)\n");
  std::printf("%8s %12s %12s %10s %10s %8s %8s %8s\n", "controls", "us/pass", "ns/control", "calls", "failed",
              "moves", "fonts", "pictures");
  Figures at1000, at4000;
  for (int n : {100, 1000, 4000}) {
    Figures f = RunFake(n);
    std::printf("%8d %12.1f %12.1f %10.0f %10.0f %8.0f %8.0f %8.0f\n", n, f.passMicros, f.passMicros * 1000 / n, f.calls,
                f.failed, f.moves, f.fonts, f.pictures);
    if (n == 1000) at1000 = f;
    if (n == 4000) at4000 = f;
  }
  std::printf("growth 4000 / 1000 controls: time %.2f, late-bound calls %.2f (linear is 4)\n",
              at4000.passMicros / at1000.passMicros, at4000.calls / at1000.calls);
  const Figures& early = at4000;
  std::printf("size unchanged: %.2f us and %llu late-bound calls per call\n", early.earlyMicros,
              static_cast<unsigned long long>(early.earlyCalls));
  std::printf("a drag of 50 size events with ResizeOnMouseUp: %llu pass(es)\n",
              static_cast<unsigned long long>(DragPasses()));
}

}  // namespace
}  // namespace amb::bench

int main() {
  amb::bench::PrintFake();
#ifdef _WIN32
  amb::bench::PrintWindows();
#endif
  return 0;
}
