#include "picture_tools.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake_host_object.h"

namespace amb {
namespace {

using test::FakeForm;
using test::FakePictureTools;
using test::FakePtr;
using test::MakePicture;

TEST(PictureLayout, CentreOffsetsAndTileGrid) {
  EXPECT_EQ(CenterOffset(3000, 1000), 1000);
  EXPECT_EQ(CenterOffset(800, 1000), 0) << "a larger picture starts at the edge";
  EXPECT_EQ(TileCount(3000, 1000), 3) << "x = 1, 1001, 2001";
  EXPECT_EQ(TileCount(2000, 1000), 2) << "y = 1, 1001";
  EXPECT_EQ(TileCount(2000, 0), 0);
  EXPECT_NEAR(HimetricToTwips(2540), 1440, 1e-3);
}

TEST(PictureTools, ScaleAndSizeGiveNothingForNothing) {
  FakeForm f;
  FakePictureTools tools(f.stats);
  FakePtr p = MakePicture(f.stats, 1000, 800);
  float w = 0, h = 0;
  ASSERT_TRUE(tools.SizeOf(*ScalePicture(tools, p, 1, 1), w, h));
  EXPECT_EQ(w, 1000);
  EXPECT_EQ(h, 800);
  ASSERT_TRUE(tools.SizeOf(*ScalePicture(tools, p, 2, 0.5), w, h));
  EXPECT_EQ(w, 2000);
  EXPECT_EQ(h, 400);
  EXPECT_FALSE(ScalePicture(tools, nullptr, 2, 2));
  EXPECT_FALSE(ScalePicture(tools, MakePicture(f.stats, 0, 0), 2, 2)) << "an empty picture";
  EXPECT_FALSE(ScalePicture(tools, p, 0, 1)) << "a zero ratio draws nothing";
  EXPECT_EQ(tools.stretches, 2);
}

TEST(PictureTools, LayoutMeasuresThePixelContainerInTwips) {
  FakeForm f;
  FakePictureTools tools(f.stats);
  f.twipsPerUnit = 15;
  f.form->members["ScaleWidth"] = 200.0;
  f.form->members["ScaleHeight"] = 100.0;
  f.form->members["ScaleMode"] = 3.0;
  f.form->members["BackColor"] = double(0x00FF00);
  ASSERT_TRUE(LayPicture(tools, *f.form, MakePicture(f.stats, 1000, 1000), PictureLayout::Tile));
  ASSERT_EQ(tools.laid.size(), 1u);
  EXPECT_EQ(tools.laid[0].width, 3000);
  EXPECT_EQ(tools.laid[0].height, 1500);
  EXPECT_EQ(tools.laid[0].backColor, 0x00FF00);
  EXPECT_TRUE(std::get<HostObjectPtr>(f.form->members["Picture"]));

  f.form->members["Picture"] = HostObjectPtr();
  ASSERT_TRUE(LayPicture(tools, *f.form, MakePicture(f.stats, 0, 0), PictureLayout::Center));
  EXPECT_FALSE(std::get<HostObjectPtr>(f.form->members["Picture"])) << "an empty picture changes nothing";
}

// The host may give a system colour as an unsigned OLE colour (2147483663 is &H8000000F); a value
// that is no colour at all is refused before it is converted.
TEST(PictureTools, TheBackColourIsTakenAsAColourOrRefused) {
  struct Case {
    double back;
    bool laid;
    int32_t colour;
  };
  const int32_t face = static_cast<int32_t>(0x8000000Fu);
  for (const Case& c : {Case{2147483663.0, true, face}, Case{-2147483633.0, true, face}, Case{4294967295.0, true, -1},
                        Case{4294967296.0, false, 0}, Case{1e300, false, 0},
                        Case{std::nan(""), false, 0}, Case{-INFINITY, false, 0}}) {
    FakeForm f;
    FakePictureTools tools(f.stats);
    f.form->members["BackColor"] = c.back;
    HostStatus s = LayPicture(tools, *f.form, MakePicture(f.stats, 100, 100), PictureLayout::Tile);
    EXPECT_EQ(static_cast<bool>(s), c.laid) << c.back;
    if (!c.laid) EXPECT_EQ(s.description, "Invalid property value") << c.back;
    ASSERT_EQ(tools.laid.size(), c.laid ? 1u : 0u) << c.back;
    if (c.laid) EXPECT_EQ(tools.laid[0].backColor, c.colour) << c.back;
  }
}

TEST(PictureTools, FormPictureModes) {
  FakeForm f;
  FakePictureTools tools(f.stats);
  f.form->members["BackColor"] = 0.0;
  FakePtr design = MakePicture(f.stats, 500, 500);
  ApplyFormPicture(tools, *f.form, design, kFpFit, true, 6000, 4000);
  EXPECT_EQ(tools.stretches, 0) << "the gradient is painted instead";
  ApplyFormPicture(tools, *f.form, design, kFpFit, false, 40000, 30000);
  float w = 0, h = 0;
  ASSERT_TRUE(tools.SizeOf(*std::get<HostObjectPtr>(f.form->members["Picture"]), w, h));
  EXPECT_EQ(w, 40000) << "a form wider than 32767 twips still gets its fitted picture";
  ApplyFormPicture(tools, *f.form, design, kFpCenter, false, 0, 0);
  ApplyFormPicture(tools, *f.form, design, kFpTile, false, 0, 0);
  ASSERT_EQ(tools.laid.size(), 2u);
  EXPECT_EQ(tools.laid[0].layout, PictureLayout::Center);
  EXPECT_EQ(tools.laid[1].layout, PictureLayout::Tile);
}

}  // namespace
}  // namespace amb
