#include <gtest/gtest.h>

#include <windowsx.h>
#include <shlobj.h>

#include <cstring>

#include "drop_files.h"
#include "error_report.h"
#include "message_loop.h"
#include "sample_form.h"

namespace {

using test::frmSample;

class FormEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    frmSample().Load();
    frmSample().events.clear();
  }
  void TearDown() override {
    frmSample().onClick = nullptr;
    frmSample().onTimer = nullptr;
    frmSample().recordMouse = false;
    frmSample().Unload();
  }
  static std::vector<std::string>& Events() { return frmSample().events; }
  static LPARAM PixelOf(const rt::Control& control) {
    RECT r = control.PixelRect();
    return MAKELPARAM(r.left + 2, r.top + 2);
  }
};

TEST_F(FormEvents, APressedButtonRaisesItsClick) {
  SendMessageA(frmSample().cmdGo().hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(Events(), std::vector<std::string>{"cmdGo_Click"});
}

TEST_F(FormEvents, EscapeAndEnterClickTheCancelAndDefaultButtons) {
  frmSample().Show();
  frmSample().txtName().SetFocus();
  for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    MSG msg{frmSample().txtName().hWnd(), WM_KEYDOWN, key, 0};
    EXPECT_TRUE(rt::HandleFormNavigation(msg));
  }
  EXPECT_EQ(Events(), (std::vector<std::string>{"cmdCancel_Click", "cmdGo_Click"}));
}

TEST_F(FormEvents, AnOptionSetFromCodeClicksOnlyWhenItBecomesSelectedAndClearsItsGroup) {
  EXPECT_TRUE(frmSample().optOne().Value());  // selected in the design, without a Click
  frmSample().optOne().SetValue(true);
  EXPECT_TRUE(Events().empty());
  frmSample().optTwo().SetValue(true);
  EXPECT_FALSE(frmSample().optOne().Value());
  EXPECT_EQ(SendMessageA(frmSample().optOne().hWnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Events(), std::vector<std::string>{"optChoice(1)_Click"});

  SendMessageA(frmSample().optOne().hWnd(), BM_CLICK, 0, 0);  // the user's click takes the same road
  EXPECT_TRUE(frmSample().optOne().Value());
  EXPECT_FALSE(frmSample().optTwo().Value());
  EXPECT_EQ(Events().back(), "optChoice(0)_Click");
}

TEST_F(FormEvents, ACheckBoxReportsItsNewValueByTheTimeItsMouseUpRuns) {
  frmSample().recordMouse = true;
  rt::CheckBox& check = frmSample().chkFlag();
  RECT r;
  GetClientRect(check.hWnd(), &r);
  LPARAM at = MAKELPARAM(5, r.bottom / 2);
  SendMessageA(check.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(check.hWnd(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(check.Value(), 1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"chkFlag_Click", "chkFlag_MouseUp", "value 1"}));
  Events().clear();
  check.SetValue(1);  // no change, no event
  check.SetValue(0);
  EXPECT_EQ(Events(), std::vector<std::string>{"chkFlag_Click"});
}

TEST_F(FormEvents, SettingTheListIndexAlwaysClicksAndReplacingATextKeepsItsData) {
  rt::ListBox& list = frmSample().lstItems();
  ASSERT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.List(0), "apple");  // sorted
  EXPECT_EQ(list.ListIndex(), -1);
  list.SetItemData(1, 42);
  list.SetListIndex(1);
  list.SetListIndex(1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"lstItems_Click", "lstItems_Click"}));
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_FALSE(list.Selected(1));  // a multi-select list only moves its current item
  list.SetSelected(1, true);

  list.SetList(1, "aaa first");  // stays where it was, although the list sorts
  EXPECT_EQ(list.List(1), "aaa first");
  EXPECT_EQ(list.ItemData(1), 42);
  EXPECT_TRUE(list.Selected(1));

  EXPECT_EQ(list.AddItem("first of all", 0), 0);
  EXPECT_EQ(list.NewIndex(), 0);
  EXPECT_EQ(list.ListIndex(), 2);  // the current item moved down with its text
}

TEST_F(FormEvents, AUserSelectionInTheListAndInTheComboRaisesClick) {
  rt::ListBox& list = frmSample().lstItems();
  SendMessageA(list.hWnd(), LB_SETSEL, TRUE, 0);
  SendMessageA(list.hWnd(), LB_SETCARETINDEX, 0, 0);
  SendMessageA(GetParent(list.hWnd()), WM_COMMAND, MAKEWPARAM(list.Id(), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.hWnd()));
  auto& combo = frmSample().Ctl<rt::ComboBox>("cboKind");
  combo.SetListIndex(1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"lstItems_Click", "cboKind_Click"}));
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(combo.Text(), "Hidden");
  EXPECT_EQ(combo.ItemData(1), 0);
}

TEST_F(FormEvents, ATextSetFromCodeRaisesChangeAndKeepsToItsMaximumLength) {
  rt::TextBox& text = frmSample().txtName();
  text.SetText("abc");
  EXPECT_EQ(Events(), std::vector<std::string>{"txtName_Change"});
  text.SetSelStart(1);
  text.SetSelLength(5);
  EXPECT_EQ(text.SelStart(), 1);
  EXPECT_EQ(text.SelLength(), 2);  // cut at the end of the text
  SendMessageA(text.hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("0123456789"));
  EXPECT_EQ(text.Text().size(), 8u);
}

TEST_F(FormEvents, AClickOnAWindowlessLabelReachesTheLabelAndNotTheForm) {
  frmSample().recordMouse = true;
  HWND form = frmSample().hWnd();
  LPARAM onLabel = PixelOf(frmSample().lblHello());
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
  SendMessageA(form, WM_LBUTTONUP, 0, onLabel);
  EXPECT_EQ(Events(), (std::vector<std::string>{"lblHello_MouseUp", "lblHello_Click"}));

  Events().clear();
  LPARAM bare = MAKELPARAM(3, 3);
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, bare);
  SendMessageA(form, WM_LBUTTONUP, 0, bare);
  EXPECT_EQ(Events(), std::vector<std::string>{"Form_Click"});

  Events().clear();  // down on the label, up elsewhere: no click anywhere
  frmSample().recordMouse = false;
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
  SendMessageA(form, WM_LBUTTONUP, 0, bare);
  EXPECT_TRUE(Events().empty());

  frmSample().recordMouse = true;
  LPARAM onDisabled = PixelOf(frmSample().Ctl<rt::Label>("lblDisabled"));  // a disabled label lets it through
  SendMessageA(form, WM_MOUSEMOVE, 0, onDisabled);
  EXPECT_EQ(Events(), std::vector<std::string>{"Form_MouseMove"});
}

TEST_F(FormEvents, EnablingATimerAgainStartsAFreshInterval) {
  rt::Timer& timer = frmSample().tmrTick();
  timer.SetInterval(300);
  timer.SetEnabled(true);
  DWORD start = GetTickCount();
  DWORD restartedAt = 0, tickAt = 0;
  frmSample().onTimer = [&](rt::Timer& t) {
    tickAt = GetTickCount();
    t.SetEnabled(false);
  };
  // Re-enabled after 200 ms: the tick is due 300 ms after that, not 300 ms after the start.
  while (!tickAt && GetTickCount() - start < 3000) {
    if (!restartedAt && GetTickCount() - start >= 200) {
      timer.SetEnabled(true);
      restartedAt = GetTickCount();
    }
    rt::DoEvents();
    Sleep(5);
  }
  ASSERT_NE(tickAt, 0u);
  EXPECT_GE(tickAt - restartedAt, 250u);
  EXPECT_EQ(Events(), std::vector<std::string>{"tmrTick_Timer"});
}

using test::MakeDrop;

TEST_F(FormEvents, DroppedFilesReachTheControlUnderThemOrTheForm) {
  RECT label = frmSample().lblHello().PixelRect();
  std::vector<std::string> two{"C:\\Tools\\Run Me.EXE", "C:\\other.txt"};
  SendMessageA(frmSample().hWnd(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({label.left + 3, label.top + 3}, two)), 0);
  SendMessageA(frmSample().txtName().hWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({2, 2}, two)), 0);
  SendMessageA(frmSample().hWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({3, 3}, {"C:\\a.bat"})), 0);
  EXPECT_EQ(Events(), (std::vector<std::string>{"lblHello_OLEDragDrop C:\\Tools\\Run Me.EXE of 2",
                                                "txtName_OLEDragDrop C:\\Tools\\Run Me.EXE of 2",
                                                "Form_OLEDragDrop C:\\a.bat"}));
}

BOOL CALLBACK FindFormToolTip(HWND hwnd, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0 || GetWindow(hwnd, GW_OWNER) != frmSample().hWnd()) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// The form's tooltip window knows one tool for each visible control with a tip.
int ToolCount() {
  HWND tip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindFormToolTip, reinterpret_cast<LPARAM>(&tip));
  return tip ? static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}

TEST_F(FormEvents, EveryKindOfControlCanCarryATooltip) {
  EXPECT_EQ(ToolCount(), 3);  // a label, a frame and a list view in the design
  frmSample().cmdGo().SetToolTipText("Go on");
  frmSample().lblHello().SetToolTipText("");
  frmSample().Ctl<rt::Control>("imgIcon").SetToolTipText("An icon");
  EXPECT_EQ(ToolCount(), 4);
  frmSample().Ctl<rt::Control>("imgIcon").SetVisible(false);
  EXPECT_EQ(ToolCount(), 3);
}

TEST_F(FormEvents, TheImageListKeepsLiveIconsByNumber) {
  auto& images = frmSample().Ctl<rt::ImageList>("imlIcons");
  EXPECT_EQ(images.Count(), 2);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(images.Icon(1), &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(images.Icon(3), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 2);
}

TEST_F(FormEvents, ControlsAreFoundByNameAndIndexWhateverTheLetterCase) {
  EXPECT_EQ(frmSample().FindControl("OPTCHOICE", 1), &frmSample().optTwo());
  EXPECT_EQ(frmSample().FindControl("nothing"), nullptr);
  EXPECT_THROW(frmSample().Ctl<rt::Label>("cmdGo"), rt::Failure);  // a button is not a label
}

}  // namespace
