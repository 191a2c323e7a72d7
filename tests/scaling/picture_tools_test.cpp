#include "picture_tools.h"

#include <gtest/gtest.h>

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
