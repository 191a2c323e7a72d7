#include "window_bench.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "deferred_moves.h"
#include "resize_engine.h"
#include "win32_picture_tools.h"
#include "window_controls.h"

namespace amb::bench {
namespace {

using Clock = std::chrono::steady_clock;
using test::WindowControl;
using test::WindowFont;

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// The machine is shared: the middle time of many is the figure, not the mean.
double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct Placed {
  HWND window;
  RECT rect;
};

// Every window's rectangle in its parent, grouped by parent as one batch each moves them.
std::map<HWND, std::vector<Placed>> Snapshot(const std::vector<std::shared_ptr<WindowControl>>& windows) {
  std::map<HWND, std::vector<Placed>> byParent;
  for (const auto& w : windows) byParent[GetParent(w->Window())].push_back({w->Window(), w->PixelRect()});
  return byParent;
}

// The floor: the same windows to the same rectangles, one deferred batch per parent, one repaint.
Clock::duration MoveByBatch(HWND form, const std::map<HWND, std::vector<Placed>>& target) {
  Clock::time_point t0 = Clock::now();
  for (const auto& [parent, group] : target) {
    HDWP batch = BeginDeferWindowPos(static_cast<int>(group.size()));
    for (const Placed& p : group)
      batch = DeferWindowPos(batch, p.window, nullptr, p.rect.left, p.rect.top, p.rect.right - p.rect.left,
                             p.rect.bottom - p.rect.top,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOREDRAW);
    if (batch) EndDeferWindowPos(batch);
  }
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return Clock::now() - t0;
}

struct Row {
  double engineMicros, fixedFontMicros, floorMicros, calls, moves, fonts;
};

Row RunWindows(int n) {
  auto stats = std::make_shared<test::FakeStats>();
  HWND formWindow = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 800, 600, nullptr, nullptr,
                                    nullptr, nullptr);
  auto form = std::make_shared<WindowControl>(stats, formWindow, "frmBench", "Form");
  form->isForm = true;
  auto controls = test::MakeFake(stats, "Collection");
  auto parentControls = test::MakeFake(stats, "Collection");
  controls->first = parentControls->first = 0;
  form->controls = controls;
  parentControls->items.push_back(form);
  std::vector<std::shared_ptr<WindowControl>> windows;
  FlagRecords flags;
  std::shared_ptr<WindowControl> outer, inner;
  auto add = [&](const char* cls, const std::string& name, RECT px, const std::shared_ptr<WindowControl>& in) {
    HWND parent = in ? in->Window() : formWindow;
    HWND w = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, px.left, px.top, px.right - px.left,
                             px.bottom - px.top, parent, nullptr, nullptr, nullptr);
    auto c = std::make_shared<WindowControl>(stats, w, name, cls);
    c->container = in ? in : form;
    windows.push_back(c);
    controls->items.push_back(c);
    parentControls->items.push_back(c);
    return c;
  };
  for (int i = 0; i < n; ++i) {
    std::string name = "ctl" + std::to_string(i);
    int x = 7 + (i % 40) * 19, y = 33 + (i / 40 % 28) * 20, kind = i % 20;
    if (kind == 2 && i % 100 == 2) {
      outer = add("STATIC", name, {x, y, x + 200, y + 133}, nullptr);
      inner = add("STATIC", name + "in", {7, 7, 140, 107}, outer);
      continue;
    }
    std::shared_ptr<WindowControl> c;
    if (kind < 4 && inner) {
      c = add("EDIT", name, {i % 50, 7, i % 50 + 33, 27}, kind == 2 ? outer : inner);
    } else {
      c = add(kind % 2 ? "BUTTON" : "STATIC", name, {x, y, x + 17, y + 17}, nullptr);
    }
    if (kind == 5) flags.Ensure(name)[DontScale::Right] = flags.Ensure(name)[DontScale::Bottom] = true;
    if (kind < 16) c->font = std::make_shared<WindowFont>(stats, c->Window(), 8.25);
  }
  AmbreloSettings settings;
  settings.design.scaleWidth = 800 * test::kTwipsPerPixel;
  settings.design.scaleHeight = 600 * test::kTwipsPerPixel;
  ResizeState state;
  test::RecordingEngineHost host(form, parentControls);
  Win32PictureTools pictures;
  DeferredWindowMoves moves;
  ResizeEngine engine(settings, state, flags, host, pictures, moves);
  host.initialised = false;
  engine.ResizeControls();
  engine.ResizeControls();
  host.initialised = true;

  auto sizeForm = [&](int w, int h) {
    SetWindowPos(formWindow, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    Pump();
  };
  const int reps = n >= 4000 ? 6 : 15;
  test::FakeStats before = *stats;
  PassCounters counted = engine.Counters();
  std::vector<double> engineTimes, floorTimes;
  std::map<HWND, std::vector<Placed>> large, design;
  for (int r = 0; r < reps; ++r) {
    sizeForm(1200, 900);
    Clock::time_point t0 = Clock::now();
    engine.ResizeControls();
    engineTimes.push_back(Micros(Clock::now() - t0));
    Pump();
    if (r == 0) large = Snapshot(windows);
    sizeForm(800, 600);
    t0 = Clock::now();
    engine.ResizeControls();
    engineTimes.push_back(Micros(Clock::now() - t0));
    Pump();
    if (r == 0) design = Snapshot(windows);
  }
  Row row{};
  row.calls = double(stats->Total() - before.Total()) / (2 * reps);
  row.moves = double(engine.Counters().moves - counted.moves) / (2 * reps);
  row.fonts = double(engine.Counters().fontSets - counted.fontSets) / (2 * reps);
  // The same passes with the fonts kept at their design size: the engine's own share, without the
  // fonts the floor does not change.
  settings.scaleFonts = false;
  std::vector<double> fixedFontTimes;
  for (int r = 0; r < reps; ++r) {
    for (int size : {1, 0}) {
      sizeForm(size ? 1200 : 800, size ? 900 : 600);
      Clock::time_point t0 = Clock::now();
      engine.ResizeControls();
      fixedFontTimes.push_back(Micros(Clock::now() - t0));
      Pump();
    }
  }
  for (int r = 0; r < reps; ++r) {
    floorTimes.push_back(Micros(MoveByBatch(formWindow, large)));
    Pump();
    floorTimes.push_back(Micros(MoveByBatch(formWindow, design)));
    Pump();
  }
  row.engineMicros = Median(engineTimes);
  row.floorMicros = Median(floorTimes);
  row.fixedFontMicros = Median(fixedFontTimes);
  DestroyWindow(formWindow);
  return row;
}

}  // namespace

void PrintWindows() {
  std::printf("\nEngine over real child windows against one deferred batch per parent (the floor), median pass\n");
  std::printf("%8s %12s %12s %14s %16s %10s %8s %8s\n", "controls", "engine us", "floor us", "engine/floor",
              "fonts kept/floor", "calls", "moves", "fonts");
  double t1000 = 0, t4000 = 0;
  for (int n : {100, 1000, 4000}) {
    Row r = RunWindows(n);
    std::printf("%8d %12.0f %12.0f %14.2f %16.2f %10.0f %8.0f %8.0f\n", n, r.engineMicros, r.floorMicros,
                r.engineMicros / r.floorMicros, r.fixedFontMicros / r.floorMicros, r.calls, r.moves, r.fonts);
    if (n == 1000) t1000 = r.engineMicros;
    if (n == 4000) t4000 = r.engineMicros;
  }
  std::printf("growth 4000 / 1000 windows: %.2f (linear is 4)\n", t4000 / t1000);
}

}  // namespace amb::bench
