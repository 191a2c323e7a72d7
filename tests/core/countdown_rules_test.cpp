#include "countdown_rules.h"

#include <gtest/gtest.h>

using namespace DozIzevodoz;

TEST(CountdownSettings, BadTimeOutAndFontFallBack) {
  struct Case { const char* timeOut; const char* seconds; };
  const Case timeOuts[] = {{"5", "5"}, {"1", "1"}, {"32767", "32767"}, {"12", "12"}, {"", "5"}, {"0", "5"},
                           {"-2", "5"}, {"abc", "5"}, {"40000", "5"}, {"32768", "5"}, {"2.5", "5"}, {"3x", "5"}};
  for (const Case& c : timeOuts) EXPECT_EQ(CountdownSeconds(c.timeOut), c.seconds) << c.timeOut;

  struct FontCase { const char* font; double size; };
  const FontCase fonts[] = {{"20", 20}, {"12.5", 12.5}, {"1", 1}, {"200", 200}, {"", 32},
                            {"0", 32},  {"-4", 32},     {"201", 32}, {"big", 32}, {"1e308", 32}};
  for (const FontCase& c : fonts) EXPECT_EQ(CountdownFontSize(c.font), c.size) << c.font;
}

TEST(CountdownTick, CountsToOneThenFires) {
  std::string label = "5";
  std::vector<std::string> seen;
  int ticks = 0;
  for (;;) {
    CountdownTick tick = NextCountdownTick(label);
    ++ticks;
    label = tick.label;
    if (tick.fire) break;
    seen.push_back(label);
    ASSERT_LT(ticks, 10);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"4", "3", "2", "1"}));
  EXPECT_EQ(ticks, 5);  // the fifth tick, 4.5 s after the load, starts the action
  EXPECT_EQ(label, "0");

  struct Case { const char* counter; const char* next; bool fire; };
  const Case cases[] = {{"1", "0", true}, {"2.5", "1", false}, {"1.5", "1", false}, {"abc", "-1", false},
                        {"", "-1", false}, {"0", "-1", false}};
  for (const Case& c : cases) {
    CountdownTick tick = NextCountdownTick(c.counter);
    EXPECT_EQ(tick.label, c.next) << c.counter;
    EXPECT_EQ(tick.fire, c.fire) << c.counter;
  }
}

TEST(CountdownTick, BeforeLineOfEachAction) {
  EXPECT_EQ(BeforeActionText("Shut"), "Before Shutting Down");
  EXPECT_EQ(BeforeActionText("Boot"), "Before Rebooting");
  EXPECT_EQ(BeforeActionText("Pwr"), "Before Powering Off");
  EXPECT_EQ(BeforeActionText("Log"), "Before Logging Off");
  EXPECT_EQ(BeforeActionText("Sus"), "Before Suspending");
  EXPECT_EQ(BeforeActionText("Hib"), "Before Hibernating");
  EXPECT_EQ(BeforeActionText(""), "");
  EXPECT_EQ(BeforeActionText("shut"), "");
}

TEST(Gradient, BandCountOfEachDepth) {
  struct Case { int depth; int bands; int recorded; };
  const Case cases[] = {{4, 64, 4}, {8, 64, 8}, {15, 32, 15}, {16, 256, 16}, {24, 256, 24}, {32, 256, 32},
                        {7, 64, 4}, {1, 64, 4}, {0, 64, 4}};
  for (const Case& c : cases) {
    int depth = c.depth;
    EXPECT_EQ(GradientBandCount(depth), c.bands) << c.depth;
    EXPECT_EQ(depth, c.recorded) << c.depth;
  }
}

namespace {

// The colour each pixel ends up with after the fills, in order.
uint32_t PixelAfter(const std::vector<GradientBand>& fills, int x, int y) {
  uint32_t colour = 0xFFFFFFFF;
  for (const GradientBand& b : fills)
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) colour = b.colour;
  return colour;
}

uint32_t Blue(uint32_t colour) { return (colour >> 16) & 0xFF; }

}  // namespace

TEST(Gradient, LShapedBandsBrighterTowardsTheTopLeft) {
  // The countdown's client area at 96 DPI with 256 bands: bands 2 px wide and 1 px high.
  auto fills = GradientBands(256, 420, 139, "Blue");
  EXPECT_EQ(PixelAfter(fills, 419, 50), 0u);   // right column: band 0
  EXPECT_EQ(PixelAfter(fills, 100, 138), 0u);  // bottom row: band 0
  EXPECT_EQ(Blue(PixelAfter(fills, 2, 2)), 136u);
  EXPECT_EQ(Blue(PixelAfter(fills, 100, 0)), 138u);
  EXPECT_EQ(Blue(PixelAfter(fills, 300, 0)), 59u);
  EXPECT_EQ(PixelAfter(fills, 2, 2) & 0x00FFFF, 0u);  // blue only
  for (int x = 0; x < 420; ++x)
    for (int y = 0; y < 139; ++y) ASSERT_NE(PixelAfter(fills, x, y), 0xFFFFFFFFu) << x << "," << y;
  // Bands that lie outside the window are not filled at all (a fill that orders the corners of
  // an inside-out rectangle would paint them over the image).
  for (const GradientBand& b : fills) {
    EXPECT_LT(b.left, b.right);
    EXPECT_LT(b.top, b.bottom);
    EXPECT_GE(b.left, 0);
    EXPECT_GE(b.top, 0);
  }

  // Red and green bands hold the same levels in their own channel; 32 bands step by 8 to 248.
  EXPECT_EQ(PixelAfter(GradientBands(256, 420, 139, "Red"), 2, 2), 136u);
  EXPECT_EQ(PixelAfter(GradientBands(256, 420, 139, "Green"), 2, 2), 136u << 8);
  auto coarse = GradientBands(32, 3300, 3300, "Blue");  // 103 px bands leave 4 x 4 px at the top left
  EXPECT_EQ(PixelAfter(coarse, 3, 3), 0u);
  EXPECT_EQ(Blue(PixelAfter(coarse, 50, 50)), 248u);
  EXPECT_EQ(Blue(PixelAfter(coarse, 3299, 3299)), 0u);

  // Only the three exact names have bands.
  for (const char* name : {"blue", "Yellow", ""}) {
    auto black = GradientBands(256, 420, 139, name);
    ASSERT_EQ(black.size(), 1u) << name;
    EXPECT_EQ(PixelAfter(black, 2, 2), 0u) << name;
  }
}
