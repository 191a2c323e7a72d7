// A picture of the sample form, with every kind of control, as the display shows it; saved as a
// build artifact for a person to look at.
#include <gtest/gtest.h>

#include <set>

#include "message_loop.h"
#include "png_file.h"
#include "process_driver.h"
#include "sample_form.h"
#include "scoped_win.h"

namespace {

TEST(Screenshot, TheSampleFormWithEveryControlKind) {
  rt::SetQuitting(false);
  test::SampleForm& form = test::frmSample();
  form.paintGradient = true;
  form.Show();
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  form.lstItems().SetSelected(0, true);
  form.Ctl<rt::ComboBox>("cboKind").SetListIndex(0);
  for (int i = 0; i < 20; ++i) {
    rt::DoEvents();
    Sleep(25);
  }
  RECT r;
  GetWindowRect(form.hWnd(), &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  rt::UniqueMemoryDc dc(CreateCompatibleDC(screen));
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB};
  void* bits = nullptr;
  rt::GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  SelectObject(dc.get(), bitmap.get());
  BitBlt(dc.get(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();

  int stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> rgb;
  std::set<COLORREF> colours;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto* p = static_cast<const std::uint8_t*>(bits) + y * stride + x * 3;
      rgb.insert(rgb.end(), {p[2], p[1], p[0]});
      colours.insert(RGB(p[2], p[1], p[0]));
    }
  std::string path = test::WindowsPathOf(TARNWICK_ARTIFACT_DIR "/runtime-sample-form.png");
  CreateDirectoryA(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR).c_str(), nullptr);
  ASSERT_TRUE(test::WritePng(path, width, height, rgb)) << path;
  // A real picture of the form: its gradient, its white label text, the controls' own colours.
  EXPECT_GT(colours.size(), 40u);
  EXPECT_TRUE(colours.count(RGB(255, 255, 255)));
  EXPECT_TRUE(colours.count(GetSysColor(COLOR_WINDOW)));  // the text and list boxes
  form.paintGradient = false;
  form.Unload();
}

}  // namespace
