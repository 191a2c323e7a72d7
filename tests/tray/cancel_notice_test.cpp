// The cancel notice over its stormy sky.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "app.h"
#include "form.h"
#include "frm_cancel_message.h"
#include "message_loop.h"
#include "window_picture.h"

namespace {

TEST(CancelNotice, ItsTextStandsOnTheStormySky) {
  rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
  tray::FrmCancelMessage& notice = tray::frmCancelMessage();
  notice.StartCancelWait();
  ASSERT_TRUE(notice.Visible());
  test::Picture picture = test::CaptureWindow(notice.hWnd());
  ASSERT_GT(picture.width, 0);
  std::set<int> colours;
  for (size_t i = 0; i + 2 < picture.rgb.size(); i += 3)
    colours.insert(picture.rgb[i] << 16 | picture.rgb[i + 1] << 8 | picture.rgb[i + 2]);
  EXPECT_GT(colours.size(), 50u) << "a solid background, not the picture";
  // The lightning at the left edge, beside the text.
  auto lightning = [](int r, int g, int b) { return r > 220 && g > 220 && b > 230; };
  EXPECT_GT(test::CountPixels(picture, 0, 0, 48, picture.height, lightning), 100);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "cancel-notice"));
  rt::Forms::UnloadAll();
  rt::SetQuitting(false);
  rt::DoEvents();
}

}  // namespace
