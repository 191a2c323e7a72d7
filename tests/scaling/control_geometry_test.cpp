#include "control_geometry.h"

#include <gtest/gtest.h>

namespace amb {
namespace {

// A control designed at 1000,500 size 2000x600 on a 6000x4000 form.
ControlRecord Designed() {
  ControlRecord r;
  r.left = 1000, r.top = 500, r.width = 2000, r.height = 600;
  r.lastLeft = 1000, r.lastTop = 500, r.lastWidth = 2000, r.lastHeight = 600;
  r.formWidth = 6000, r.formHeight = 4000;
  return r;
}

GeometryInput On(float w, float h, Box current = {1000, 500, 2000, 600}) {
  GeometryInput in;
  in.current = current;
  in.containerWidth = w, in.containerHeight = h;
  in.initialised = true;
  return in;
}

FlagEntry Flags(std::initializer_list<DontScale> set) {
  FlagEntry f;
  for (DontScale d : set) f[d] = true;
  return f;
}

TEST(ControlGeometry, FlagsAndAnchorsOnAWiderForm) {
  struct Case {
    const char* what;
    FlagEntry flags;
    float width, height;
    Box expected;
  } cases[] = {
      {"design size", {}, 6000, 4000, {1000, 500, 2000, 600}},
      {"doubled", {}, 12000, 8000, {2000, 1000, 4000, 1200}},
      {"left kept, width doubled", Flags({DontScale::Left}), 12000, 4000, {1000, 500, 4000, 600}},
      // the right gap of 3000 kept: the right edge at 6000, the width scaled by 1.5
      {"right anchored", Flags({DontScale::Right}), 9000, 4000, {3000, 500, 3000, 600}},
      {"left and right kept", Flags({DontScale::Left, DontScale::Right}), 7000, 4000, {1000, 500, 3000, 600}},
      // bottom gap 2900 kept on a form 2000 higher
      {"bottom anchored, top kept", Flags({DontScale::Bottom, DontScale::Top}), 6000, 6000, {1000, 500, 2000, 2600}},
  };
  for (const Case& c : cases) {
    ControlRecord r = Designed();
    GeometryResult g = AdjustGeometry(r, c.flags, On(c.width, c.height));
    EXPECT_EQ(g.next, c.expected) << c.what;
  }
}

TEST(ControlGeometry, FontFactorIsTheSmallerRatioAndNeverUndefined) {
  ControlRecord r = Designed();
  EXPECT_FLOAT_EQ(AdjustGeometry(r, {}, On(12000, 6000)).fontFactor, 1.5f);
  // a horizontal line has no height: its width alone decides
  EXPECT_FLOAT_EQ(FontFactor({0, 0, 1000, 0}, {0, 0, 2000, 0}), 2);
  EXPECT_FLOAT_EQ(FontFactor({0, 0, 0, 0}, {0, 0, 0, 0}), 1);
}

TEST(ControlGeometry, AFormNarrowerThanTheKeptGapGivesNoNegativeSize) {
  ControlRecord r = Designed();
  GeometryResult g = AdjustGeometry(r, Flags({DontScale::Left, DontScale::Right}), On(2000, 4000));
  EXPECT_EQ(g.next.width, 0);
  EXPECT_EQ(g.fontFactor, 0) << "clamped, not negative";
}

TEST(ControlGeometry, AnchorsOnAFormMeasuredInPixels) {
  // The form is 400 px (6000 twips) wide, the control in pixels: 100,.. 200 wide, right gap 100 px.
  ControlRecord r;
  r.left = 100, r.top = 10, r.width = 200, r.height = 20;
  r.lastLeft = 100, r.lastTop = 10, r.lastWidth = 200, r.lastHeight = 20;
  r.formWidth = 6000, r.formHeight = 4000;
  GeometryInput in = On(7500, 4000, {100, 10, 200, 20});  // 100 px wider
  in.unitsPerSizeX = in.unitsPerSizeY = 1.0f / 15;
  GeometryResult g = AdjustGeometry(r, Flags({DontScale::Left, DontScale::Right}), in);
  EXPECT_FLOAT_EQ(g.next.width, 300) << "the gap is kept in pixels: the width grows by the 100 px";
}

TEST(ControlGeometry, ZeroContainerAtRecordingScalesByOne) {
  ControlRecord r = Designed();
  r.formWidth = 0;
  GeometryResult g = AdjustGeometry(r, {}, On(9000, 4000));
  EXPECT_EQ(g.next.width, 2000);
  EXPECT_EQ(r.xScale, 1);
}

TEST(ControlGeometry, HostMovesAreReBasedParkingIsNot) {
  ControlRecord r = Designed();
  r.xScale = r.yScale = 2;  // the last pass doubled the form
  r.lastLeft = 2000;
  GeometryResult moved = AdjustGeometry(r, {}, On(12000, 8000, {3000, 1000, 4000, 1200}));
  EXPECT_EQ(r.left, 1500) << "the host moved it to 3000 at ratio 2";
  EXPECT_EQ(moved.next.left, 3000);

  ControlRecord t = Designed();
  t.kind = ControlKind::OnTabControl;
  t.lastLeft = 1000 - kTabParking;  // parked by its tab control at the last pass
  GeometryResult shown = AdjustGeometry(t, {}, On(6000, 4000));
  EXPECT_EQ(t.left, 1000) << "a page switch alone re-bases nothing";
  EXPECT_EQ(shown.next.left, 1000);

  ControlRecord before = Designed();
  AdjustGeometry(before, {}, [] {
    GeometryInput in = On(6000, 4000, {1000, 500, 2000, 600});
    in.initialised = false;
    return in;
  }());
  EXPECT_EQ(before.left, 1000);
}

TEST(ControlGeometry, LinesKeepWhichEndIsWhich) {
  ControlRecord r;
  r.kind = ControlKind::Line;
  r.x1 = 3000, r.x2 = 1000, r.y1 = 200, r.y2 = 200;
  r.formWidth = 6000, r.formHeight = 4000;
  GeometryInput in = On(12000, 4000, LineBox(3000, 200, 1000, 200));
  GeometryResult g = AdjustGeometry(r, {}, in);
  LineEnds e = LineEndsFor(r, g.next);
  EXPECT_EQ(e.x1, 6000) << "X1 stays the right end";
  EXPECT_EQ(e.x2, 2000);
  EXPECT_EQ(e.y1, 200);
  EXPECT_FLOAT_EQ(g.fontFactor, 2);
}

}  // namespace
}  // namespace amb
