// One rule measures a form or container in twips, whoever asks: the resize engine, the picture
// tools and a reset.
#include "inner_size.h"

#include <gtest/gtest.h>

#include "fake_host_object.h"

namespace amb {
namespace {

using test::FakeForm;

TEST(InnerSize, ConvertedFromTheScaleModeUnlessAnMdiParentOrWithoutOne) {
  struct Case {
    const char* name;
    bool mdiParent, hasScaleMode;
    float twipsPerUnit, width, height;
  } cases[] = {
      {"a form in twips", false, true, 1, 400, 300},
      {"a form in pixels", false, true, 15, 6000, 4500},
      {"an MDI parent measures in twips", true, true, 15, 400, 300},
      {"a container without a ScaleMode measures in twips", false, false, 15, 400, 300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeForm f;
    f.MeasureIn(c.twipsPerUnit, c.mdiParent, c.hasScaleMode);
    f.Resize(400, 300);
    float w = 0, h = 0, sw = 0, sh = 0;
    ASSERT_TRUE(InnerSizeInTwips(*f.form, w, h, &sw, &sh));
    EXPECT_EQ(w, c.width);
    EXPECT_EQ(h, c.height);
    EXPECT_EQ(sw, 400) << "and in its own units";
    EXPECT_EQ(sh, 300);
  }
}

TEST(InnerSize, AFailedConversionIsReportedAndLeavesTheSizes) {
  for (const char* failing : {"ScaleWidth", "ScaleX", "ScaleY"}) {
    SCOPED_TRACE(failing);
    FakeForm f;
    f.form->failing.insert(failing);
    float w = -1, h = -1;
    EXPECT_FALSE(InnerSizeInTwips(*f.form, w, h));
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -1);
  }
  FakeForm f;
  f.form->onCall = [](std::string_view, const std::vector<HostValue>&, HostValue* result) {
    *result = std::string("wide");
    return HostStatus{};
  };
  float w = -1, h = -1;
  EXPECT_FALSE(InnerSizeInTwips(*f.form, w, h)) << "a conversion that gives no number";
  EXPECT_EQ(w, -1);
}

}  // namespace
}  // namespace amb
