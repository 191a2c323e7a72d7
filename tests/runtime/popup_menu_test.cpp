#include <gtest/gtest.h>

#include "message_loop.h"
#include "sample_form.h"
#include "subclass.h"

namespace {

using test::frmSample;

class PopupMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    frmSample().Show();
    rt::DoEvents();
  }
  void TearDown() override {
    frmSample().onMenu = nullptr;
    frmSample().Unload();
    rt::CollectUnloadedForms();
  }
  // The keys the menu's own loop will read once it is open.
  static void PostKeys(std::initializer_list<WPARAM> keys) {
    for (WPARAM key : keys) {
      PostMessageA(frmSample().hWnd(), WM_KEYDOWN, key, 0);
      PostMessageA(frmSample().hWnd(), WM_KEYUP, key, 0xC0000000);
    }
  }
  static std::string TextAt(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
  }
};

TEST_F(PopupMenu, TheChosenItemsHandlerHasRunWhenPopupMenuReturns) {
  PostKeys({VK_DOWN, VK_RETURN});
  frmSample().PopupMenu(frmSample().Menu("mnuPopUp"));
  EXPECT_EQ(frmSample().events, std::vector<std::string>{"mnuFirst_Click"});
}

// A procedure in front of the form's (an owner-drawn menu engine) sees the chosen command.
std::vector<UINT> g_seenCommands;
LRESULT CALLBACK CommandWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) g_seenCommands.push_back(LOWORD(wParam));
  return rt::CallPreviousWindowProc(CommandWatcher, hwnd, message, wParam, lParam);
}

TEST_F(PopupMenu, TheChosenCommandGoesThroughTheWindowsProcedure) {
  g_seenCommands.clear();
  ASSERT_TRUE(rt::InstallSubclass(frmSample().hWnd(), CommandWatcher));
  PostKeys({VK_DOWN, VK_RETURN});
  frmSample().PopupMenu(frmSample().Menu("mnuPopUp"));
  rt::RemoveSubclass(frmSample().hWnd(), CommandWatcher);
  EXPECT_EQ(g_seenCommands, std::vector<UINT>{frmSample().Menu("mnuFirst").Id()});
  EXPECT_EQ(frmSample().events, std::vector<std::string>{"mnuFirst_Click"});
}

TEST_F(PopupMenu, EscapeClosesItWithoutAHandler) {
  PostKeys({VK_ESCAPE});
  frmSample().PopupMenu(frmSample().Menu("mnuPopUp"));
  EXPECT_TRUE(frmSample().events.empty());
}

TEST_F(PopupMenu, AHandlerMayUnloadTheFormThatOwnsTheMenu) {
  frmSample().onMenu = [](rt::MenuItem& item) {
    frmSample().Unload();
    EXPECT_EQ(item.Name(), "mnuFirst");  // the item outlives the unload until the loop runs again
  };
  PostKeys({VK_DOWN, VK_RETURN});
  frmSample().PopupMenu(frmSample().Menu("mnuPopUp"));
  EXPECT_FALSE(frmSample().IsLoaded());
  EXPECT_EQ(frmSample().events, std::vector<std::string>{"mnuFirst_Click"});
}

TEST_F(PopupMenu, ItemsKeepTheirIdsWhenCaptionsAndVisibilityChange) {
  rt::MenuItem& first = frmSample().Menu("mnuFirst");
  rt::MenuItem& last = frmSample().Menu("mnuLast");
  HMENU popup = frmSample().Menu("mnuPopUp").SubMenu();
  UINT firstId = first.Id(), lastId = last.Id();
  EXPECT_GE(firstId, 1u);
  EXPECT_LE(lastId, 0x7FFFu);
  EXPECT_EQ(GetMenuItemID(popup, 3), lastId);

  first.SetCaption("First again{img:I3}");
  first.SetChecked(true);
  EXPECT_EQ(TextAt(popup, 0), "First again{img:I3}");
  EXPECT_TRUE(GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED);

  first.SetVisible(false);  // out of the real menu, and back in at its place
  EXPECT_EQ(GetMenuItemCount(popup), 3);
  EXPECT_EQ(GetMenuItemID(popup, 2), lastId);
  first.SetVisible(true);
  EXPECT_EQ(GetMenuItemID(popup, 0), firstId);
  EXPECT_EQ(TextAt(popup, 0), "First again{img:I3}");
  EXPECT_EQ(first.Id(), firstId);
  EXPECT_EQ(frmSample().Menu("mnuInner").ParentItem(), &frmSample().Menu("mnuMore"));
  EXPECT_TRUE(GetMenuState(frmSample().Menu("mnuMore").SubMenu(), 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(GetMenu(frmSample().hWnd()), nullptr);  // its only top-level item is hidden
}

TEST_F(PopupMenu, AMenuCommandMessageRunsTheItemsHandler) {
  SendMessageA(frmSample().hWnd(), WM_COMMAND, MAKEWPARAM(frmSample().Menu("mnuLast").Id(), 0), 0);
  EXPECT_EQ(frmSample().events, std::vector<std::string>{"mnuLast_Click"});
}

}  // namespace
