// The engine on real child windows: containers nested two deep, an anchored button and a font,
// moved in deferred batches and read back with GetWindowRect.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include "control_fixture.h"
#include "deferred_moves.h"
#include "dispatch_object.h"
#include "resize_engine.h"
#include "win32_picture_tools.h"
#include "window_controls.h"

namespace amb {
namespace {

using test::FakeStats;
using test::RecordingEngineHost;
using test::WindowControl;
using test::WindowFont;

class WindowResizeTest : public ::testing::Test {
 protected:
  WindowResizeTest() {
    formWindow = CreateWindowExA(0, "STATIC", "form", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
    form = std::make_shared<WindowControl>(stats, formWindow, "frmReal", "Form");
    form->isForm = true;
    form->controls = controls;
    controls->first = 0;
    parentControls->first = 0;
    parentControls->items.push_back(form);
    host = RecordingEngineHost(form, parentControls);
    settings.design.scaleWidth = 400 * test::kTwipsPerPixel;
    settings.design.scaleHeight = 300 * test::kTwipsPerPixel;
  }
  ~WindowResizeTest() override { DestroyWindow(formWindow); }

  std::shared_ptr<WindowControl> Child(const char* cls, const char* name, RECT px,
                                       const std::shared_ptr<WindowControl>& in = nullptr) {
    HWND parent = in ? in->Window() : formWindow;
    HWND w = CreateWindowExA(0, cls, name, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, px.left, px.top,
                             px.right - px.left, px.bottom - px.top, parent, nullptr, nullptr, nullptr);
    auto c = std::make_shared<WindowControl>(stats, w, name, cls);
    c->container = in ? in : form;
    children.push_back(c);
    return c;
  }
  // The host lists what a container holds before the container; the engine orders by depth.
  void Register() {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      controls->items.push_back(*it);
      parentControls->items.push_back(*it);
    }
  }
  void SizeForm(int w, int h) {
    SetWindowPos(formWindow, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    ASSERT_TRUE(engine.ResizeControls());
  }
  static RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

  std::shared_ptr<FakeStats> stats = std::make_shared<FakeStats>();
  HWND formWindow = nullptr;
  std::shared_ptr<WindowControl> form;
  std::shared_ptr<test::FakeObject> controls = test::MakeFake(stats, "Collection");
  std::shared_ptr<test::FakeObject> parentControls = test::MakeFake(stats, "Collection");
  std::vector<std::shared_ptr<WindowControl>> children;
  AmbreloSettings settings;
  ResizeState state;
  FlagRecords flags;
  RecordingEngineHost host{nullptr, nullptr};
  Win32PictureTools pictures;
  DeferredWindowMoves moves;
  ResizeEngine engine{settings, state, flags, host, pictures, moves};
};

::testing::AssertionResult At(const std::shared_ptr<WindowControl>& c, RECT e) {
  RECT r = c->PixelRect();
  if (EqualRect(&r, &e)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at " << r.left << "," << r.top << "," << r.right << "," << r.bottom
                                       << " instead of " << e.left << "," << e.top << "," << e.right << "," << e.bottom;
}

TEST_F(WindowResizeTest, RealWindowsFollowTheFormAndComeBackExactly) {
  auto outer = Child("STATIC", "fraOuter", Rect(20, 20, 220, 170));
  auto inner = Child("STATIC", "fraInner", Rect(10, 10, 110, 90), outer);
  auto text = Child("EDIT", "txtDeep", Rect(5, 5, 65, 25), inner);
  auto ok = Child("BUTTON", "cmdOK", Rect(320, 260, 380, 285));
  auto label = Child("STATIC", "lblTitle", Rect(20, 200, 120, 220));
  label->font = std::make_shared<WindowFont>(stats, label->Window(), 8);
  for (DontScale d : {DontScale::Right, DontScale::Bottom, DontScale::Width, DontScale::Height})
    flags.Ensure("cmdOK")[d] = true;
  Register();
  host.initialised = false;
  ASSERT_TRUE(engine.ResizeControls());
  ASSERT_TRUE(engine.ResizeControls());
  host.initialised = true;
  ASSERT_NE(engine.Records().Find("frmReal"), nullptr);

  SizeForm(800, 600);
  EXPECT_TRUE(At(outer, Rect(40, 40, 440, 340)));
  EXPECT_TRUE(At(inner, Rect(20, 20, 220, 180)));
  EXPECT_TRUE(At(text, Rect(10, 10, 130, 50))) << "scaled with its container's new size";
  EXPECT_TRUE(At(ok, Rect(720, 560, 780, 585))) << "its gaps to the right and bottom kept";
  EXPECT_TRUE(At(label, Rect(40, 400, 240, 440)));
  EXPECT_EQ(std::get<double>(label->font->members["Size"]), 16);

  SizeForm(523, 377);
  SizeForm(250, 190);
  SizeForm(400, 300);
  EXPECT_TRUE(At(outer, Rect(20, 20, 220, 170)));
  EXPECT_TRUE(At(inner, Rect(10, 10, 110, 90)));
  EXPECT_TRUE(At(text, Rect(5, 5, 65, 25)));
  EXPECT_TRUE(At(ok, Rect(320, 260, 380, 285)));
  EXPECT_TRUE(At(label, Rect(20, 200, 120, 220)));
  EXPECT_EQ(std::get<double>(label->font->members["Size"]), 8);
}

// A bitmap picture of w x h pixels in one colour.
HostObjectPtr SolidPicture(int w, int h, COLORREF color) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(color);
  RECT all{0, 0, w, h};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  PICTDESC desc{sizeof desc, PICTYPE_BITMAP};
  desc.bmp.hbitmap = bitmap;
  rt::ComPtr<IDispatch> picture;
  if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void()))) return nullptr;
  return WrapDispatch(picture.get());
}

COLORREF PixelOf(const HostObjectPtr& picture, int x, int y) {
  rt::ComPtr<IPicture> p;
  DispatchOf(picture.get())->QueryInterface(IID_IPicture, p.put_void());
  OLE_HANDLE handle = 0;
  p->get_Handle(&handle);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle)));
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

TEST(Win32PictureTools, StretchCentreAndTileRealPictures) {
  Win32PictureTools tools;
  HostObjectPtr red = SolidPicture(10, 10, RGB(255, 0, 0));
  ASSERT_TRUE(red);
  float w = 0, h = 0;
  ASSERT_TRUE(tools.SizeOf(*red, w, h));
  EXPECT_NEAR(w, 150, 1);
  HostObjectPtr stretched = ScalePicture(tools, red, 2, 0.5);
  ASSERT_TRUE(stretched);
  ASSERT_TRUE(tools.SizeOf(*stretched, w, h));
  EXPECT_NEAR(w, 300, 1);
  EXPECT_NEAR(h, 75, 1);

  auto stats = std::make_shared<FakeStats>();
  auto box = test::MakeFake(stats, "PictureBox");
  box->members = {{"ScaleWidth", 600.0}, {"ScaleHeight", 450.0}, {"BackColor", double(RGB(0, 0, 255))},
                  {"Picture", HostObjectPtr()}};
  ASSERT_TRUE(LayPicture(tools, *box, red, PictureLayout::Center));
  HostObjectPtr centred = std::get<HostObjectPtr>(box->members["Picture"]);
  ASSERT_TRUE(centred);
  EXPECT_EQ(PixelOf(centred, 20, 15), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(centred, 2, 2), RGB(0, 0, 255)) << "the container's background around it";

  HostObjectPtr dot = SolidPicture(1, 1, RGB(0, 255, 0));
  box->members["ScaleWidth"] = 2560.0 * 15;
  box->members["ScaleHeight"] = 1440.0 * 15;
  ASSERT_TRUE(LayPicture(tools, *box, dot, PictureLayout::Tile)) << "one pattern fill, not 3.7 million blits";
  HostObjectPtr tiled = std::get<HostObjectPtr>(box->members["Picture"]);
  EXPECT_EQ(PixelOf(tiled, 2000, 1000), RGB(0, 255, 0));
}

}  // namespace
}  // namespace amb

namespace amb {
namespace {

int PixelWidth(const VARIANT& picture) {
  rt::ComPtr<IPicture> p;
  if (V_VT(&picture) != VT_DISPATCH || !V_DISPATCH(&picture) ||
      FAILED(V_DISPATCH(&picture)->QueryInterface(IID_IPicture, p.put_void())))
    return -1;
  OLE_XSIZE_HIMETRIC w = 0;
  p->get_Width(&w);
  return static_cast<int>(std::lround(w * 96.0 / 2540));
}

TEST(AmbreloPictureMethods, ScaleAndSizeThroughTheControl) {
  ambtest::HostedControl c;
  HostObjectPtr red = SolidPicture(10, 10, RGB(255, 0, 0));
  ASSERT_TRUE(red);
  auto picture = [&] {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = DispatchOf(red.get());
    V_DISPATCH(&v)->AddRef();
    return v;
  };
  VARIANT ratio;
  V_VT(&ratio) = VT_R8;
  V_R8(&ratio) = 2;
  VARIANT result;
  VariantInit(&result);
  ambtest::CallResult r =
      ambtest::Invoke(c.control.get(), L"ScalePicture", DISPATCH_METHOD, {picture(), ratio, ratio}, &result);
  ASSERT_HRESULT_SUCCEEDED(r.hr);
  EXPECT_EQ(PixelWidth(result), 20);
  VariantClear(&result);
  r = ambtest::Invoke(c.control.get(), L"SizePicture", DISPATCH_METHOD,
                      {picture(), ambtest::I2(450), ambtest::I2(150)}, &result);
  ASSERT_HRESULT_SUCCEEDED(r.hr);
  EXPECT_EQ(PixelWidth(result), 30) << "450 twips";
  VariantClear(&result);
}

}  // namespace
}  // namespace amb
