#include "error_report.h"

#include <gtest/gtest.h>

#include "app.h"
#include "os/scripted_message_boxes.h"

namespace {

TEST(ErrorReport, ShowsTheApplicationErrorBoxWithObjectProcedureAndLine) {
  rt::App().Title = "Tarnwick";
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> installed(&boxes);

  int line = 0;
  bool after = false;
  rt::Trap("DozIzevodoz", "Main", [&] {
    line = __LINE__ + 1;
    rt::Raise("Overflow");
  });
  after = true;

  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Application Error");
  EXPECT_EQ(boxes.shown[0].text, "Overflow\r\nin Tarnwick.DozIzevodoz.Main at line " + std::to_string(line));
  EXPECT_EQ(boxes.shown[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_TRUE(after);
}

TEST(ErrorReport, AnyExceptionIsReportedAndStopsThere) {
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> installed(&boxes);
  rt::Trap("frmBase", "Form_Load", [] { throw std::runtime_error("Out of memory"); });
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("Out of memory\r\nin "), std::string::npos);
  EXPECT_NE(boxes.shown[0].text.find(".frmBase.Form_Load at line 0"), std::string::npos);
}

}  // namespace
