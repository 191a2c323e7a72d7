#include <gtest/gtest.h>

#include "menu_colors.h"

namespace {

using namespace modMenus;

uint32_t FakeSystemColor(int index) { return 0x010000u * static_cast<uint32_t>(index) + 0x42; }

TEST(MenuColors, NamesNumbersAndHexadecimal) {
  struct Case {
    const char* value;
    uint32_t expected;
  };
  const Case cases[] = {
      {"vbbrown", 17510},  // names without regard to case
      {"VBNAVY", 0x800000},
      {"&HFF", 255},
      {"&h00FFFF", 0xFFFF},
      {"pink", 5},  // unknown: the default
      {"", 5},
      {"&HXYZ", 5},
      {"15794175", 15794175},
      {" 255 ", 255},                       // blanks around a number, as captions write them
      {"12.5", 12},                         // halves to even
      {"-2147483643", FakeSystemColor(5)},  // window background
      {"&H80000005", FakeSystemColor(5)},
      {"vbMenuText", FakeSystemColor(7)},
      {"vb3DFace", FakeSystemColor(15)},
      {"99999999999", 5},  // beyond 32 bits
  };
  for (const Case& c : cases) EXPECT_EQ(ColorFromName(c.value, 5, FakeSystemColor), c.expected) << c.value;
}

TEST(MenuColors, RampStartsOneStepAwayAndStaysWithinEachChannel) {
  // Blue is read as 256 and ends above 255 before it is held at 255.
  EXPECT_EQ(MakeColorRamp(4, 0, 0xFF0000), (std::vector<uint32_t>{0x550000, 0xAB0000, 0xFF0000, 0xFF0000}));
  // Falling channels never wrap into their neighbours: every entry is a colour.
  for (uint32_t c : MakeColorRamp(7, 0xFFFFFF, 0)) EXPECT_LE(c, 0xFFFFFFu);
  EXPECT_EQ(MakeColorRamp(3, 0xFFFFFF, 0).back(), 0u);
  EXPECT_EQ(MakeColorRamp(1, 0, 0xFF).front(), 0xFFu);  // one band: the end colour
  EXPECT_TRUE(MakeColorRamp(0, 0, 0xFF).empty());
}

TEST(MenuColors, WideGradientsUseTwoPixelBands) {
  EXPECT_EQ(GradientBandWidth(1024, 300), 2);
  EXPECT_EQ(GradientBandWidth(1024, 100), 1);
  EXPECT_EQ(GradientBandWidth(1024, 0), 1);
}

}  // namespace
