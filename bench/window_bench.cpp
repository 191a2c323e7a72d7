#include "window_bench.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "deferred_moves.h"
#include "resize_engine.h"
#include "win32_picture_tools.h"
#include "window_controls.h"

namespace amb::bench {
namespace {

using ::bench::Median;
using ::bench::Stopwatch;
using test::WindowControl;
using test::WindowFont;

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct Placed {
  HWND window;
  RECT rect;
  HFONT font;
};

// Every window's rectangle in its parent and its font, grouped by parent as one batch each moves
// them.
std::map<HWND, std::vector<Placed>> Snapshot(const std::vector<std::shared_ptr<WindowControl>>& windows) {
  std::map<HWND, std::vector<Placed>> byParent;
  for (const auto& w : windows) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(w->Window(), WM_GETFONT, 0, 0));
    byParent[GetParent(w->Window())].push_back({w->Window(), w->PixelRect(), font});
  }
  return byParent;
}

// The floors: the same windows to the same rectangles, one deferred batch per parent, one
// repaint; the fair one also gives each window the font the engine gives it, the cheapest way:
// the font objects are made once for each face and size and shared, and set without a repaint.
enum class Floor { MovesOnly, MovesAndFonts };

void MoveByBatch(HWND form, const std::map<HWND, std::vector<Placed>>& target, Floor floor) {
  for (const auto& [parent, group] : target) {
    HDWP batch = BeginDeferWindowPos(static_cast<int>(group.size()));
    for (const Placed& p : group)
      batch = DeferWindowPos(batch, p.window, nullptr, p.rect.left, p.rect.top, p.rect.right - p.rect.left,
                             p.rect.bottom - p.rect.top,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOREDRAW);
    if (batch) EndDeferWindowPos(batch);
  }
  if (floor == Floor::MovesAndFonts) {
    for (const auto& [parent, group] : target)
      for (const Placed& p : group)
        if (p.font) SendMessageA(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(p.font), FALSE);
  }
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A window's font in the snapshot only where the engine changes it between the two sizes.
void KeepChangedFonts(std::map<HWND, std::vector<Placed>>& large, std::map<HWND, std::vector<Placed>>& design) {
  for (auto& [parent, group] : large) {
    std::vector<Placed>& other = design[parent];
    for (size_t i = 0; i < group.size() && i < other.size(); ++i)
      if (group[i].font == other[i].font) group[i].font = other[i].font = nullptr;
  }
}

// Medians over blocks of passes, per pass: wall and CPU time.
struct Cost {
  std::vector<double> wall, cpu;
  void Add(const Stopwatch& w, int passes) {
    wall.push_back(w.Wall() / passes);
    cpu.push_back(w.Cpu() / passes);
  }
  double Wall() const { return Median(wall); }
  double Cpu() const { return Median(cpu); }
};

struct Row {
  Cost engine, fixedFont, moveFloor, fairFloor;
  double calls = 0, moves = 0, fonts = 0;
};

constexpr int kBlocks = 7;

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

  auto sizeForm = [&](bool large) {
    SetWindowPos(formWindow, nullptr, 0, 0, large ? 1200 : 800, large ? 900 : 600,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    Pump();
  };
  // What the engine does at each size is what the floors do: taken from its first passes.
  std::map<HWND, std::vector<Placed>> large, design;
  sizeForm(true);
  engine.ResizeControls();
  Pump();
  large = Snapshot(windows);
  sizeForm(false);
  engine.ResizeControls();
  Pump();
  design = Snapshot(windows);
  KeepChangedFonts(large, design);

  // Each block runs every way in turn, so that a busy spell of the machine falls on all of them.
  const int passes = n >= 4000 ? 4 : n >= 1000 ? 10 : 40;
  Row row;
  test::FakeStats before = *stats;
  PassCounters counted = engine.Counters();
  for (int b = 0; b < kBlocks; ++b) {
    for (bool keepFonts : {false, true}) {
      settings.scaleFonts = !keepFonts;
      Stopwatch w;
      for (int p = 0; p < passes; ++p) {
        sizeForm(p % 2 == 0);
        w.Time([&] { engine.ResizeControls(); });
        host.events.clear();
        Pump();
      }
      (keepFonts ? row.fixedFont : row.engine).Add(w, passes);
      if (b == 0 && !keepFonts) {
        row.calls = double(stats->Total() - before.Total()) / passes;
        row.moves = double(engine.Counters().moves - counted.moves) / passes;
        row.fonts = double(engine.Counters().fontSets - counted.fontSets) / passes;
      }
    }
    for (Floor floor : {Floor::MovesOnly, Floor::MovesAndFonts}) {
      Stopwatch w;
      for (int p = 0; p < passes; ++p) {
        w.Time([&] { MoveByBatch(formWindow, p % 2 == 0 ? large : design, floor); });
        Pump();
      }
      (floor == Floor::MovesOnly ? row.moveFloor : row.fairFloor).Add(w, passes);
    }
  }
  DestroyWindow(formWindow);
  return row;
}

}  // namespace

void PrintWindows() {
  std::printf("\nEngine over real child windows, against two floors: one deferred batch per parent (moves),\n"
              "and the same with the engine's font changes made the cheapest way (fair floor).\n"
              "Per pass, median of %d blocks of passes; wall and CPU time in ms.\n", kBlocks);
  std::printf("%8s %9s %9s %9s %9s %10s %10s %9s %11s %12s %7s %7s %7s\n", "controls", "engine", "eng cpu", "fair",
              "fair cpu", "eng/fair", "cpu ratio", "moves", "eng/moves", "kept/moves", "calls", "moves", "fonts");
  Row at1000, at4000;
  for (int n : {100, 1000, 4000}) {
    Row r = RunWindows(n);
    std::printf("%8d %9.2f %9.2f %9.2f %9.2f %10.2f %10.2f %9.2f %11.2f %12.2f %7.0f %7.0f %7.0f\n", n,
                r.engine.Wall() / 1000, r.engine.Cpu() / 1000, r.fairFloor.Wall() / 1000, r.fairFloor.Cpu() / 1000,
                r.engine.Wall() / r.fairFloor.Wall(), r.engine.Cpu() / r.fairFloor.Cpu(), r.moveFloor.Wall() / 1000,
                r.engine.Wall() / r.moveFloor.Wall(), r.fixedFont.Wall() / r.moveFloor.Wall(), r.calls, r.moves,
                r.fonts);
    if (n == 1000) at1000 = r;
    if (n == 4000) at4000 = r;
  }
  std::printf("growth 4000 / 1000 windows: engine %.2f (CPU %.2f), fair floor %.2f (CPU %.2f); linear is 4\n",
              at4000.engine.Wall() / at1000.engine.Wall(), at4000.engine.Cpu() / at1000.engine.Cpu(),
              at4000.fairFloor.Wall() / at1000.fairFloor.Wall(), at4000.fairFloor.Cpu() / at1000.fairFloor.Cpu());
}

}  // namespace amb::bench
