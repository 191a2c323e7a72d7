// The engine attached to a real window: its procedure in front of the window's, popups converted
// when they open in a real menu loop, the side bar put back after it, commands passed on, the
// typed-letter answer, the hourglass of long popups and the events object.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "../support/window_picture.h"
#include "item_caption.h"
#include "engine_utilities.h"
#include "menu_engine.h"
#include "menu_fonts.h"
#include "menu_item_store.h"
#include "os/color_dialog.h"
#include "scoped_win.h"
#include "screen.h"

namespace {

using namespace modMenus;

std::vector<UINT> g_commands;
std::vector<UINT> g_menuMessages;  // WM_MENUSELECT and WM_MENUCOMMAND as the window's own procedure saw them

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
  if (message == WM_MENUSELECT || message == WM_MENUCOMMAND) g_menuMessages.push_back(message);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeOwner() {
  static ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MenuEngineTestOwner";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  return CreateWindowExA(WS_EX_TOOLWINDOW, "MenuEngineTestOwner", "owner", WS_POPUP, 50, 50, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

bool OwnerDrawn(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return (info.fType & MFT_OWNERDRAW) != 0;
}

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    g_commands.clear();
    g_menuMessages.clear();
    owner_.reset(MakeOwner());
    popup_.reset(CreatePopupMenu());
  }
  void TearDown() override {
    if (owner_) UnsetMenus(owner_.get());
  }
  void Open() { SendMessageA(owner_.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup_.get()), 0); }
  rt::UniqueWindow owner_;
  rt::UniqueHmenu popup_;
};

TEST_F(Engine, AttachingTwiceKeepsOneStoreAndDestroyingTheWindowDetachesIt) {
  const WNDPROC before = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC));
  SetMenus(owner_.get(), nullptr, nullptr, 4);
  auto store = AttachedStore(owner_.get());
  ASSERT_TRUE(store);
  EXPECT_TRUE(store->IsMenuLess());
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC)), &MenuWndProc);
  SetMenus(owner_.get(), nullptr, nullptr, 3);
  EXPECT_EQ(AttachedStore(owner_.get()), store);
  EXPECT_FALSE(store->IsMenuLess());
  SetMenus(nullptr, nullptr, nullptr, 0);       // nothing to attach: nothing happens
  SetMenus(owner_.get(), nullptr, nullptr, 1);  // no toolbar child
  EXPECT_EQ(AttachedStore(owner_.get()), store);

  UnsetMenus(owner_.get());
  EXPECT_FALSE(AttachedStore(owner_.get()));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC)), before);
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  HWND window = owner_.release();
  DestroyWindow(window);
  EXPECT_FALSE(AttachedStore(window));
}

TEST_F(Engine, APopupIsPreparedOncePerLoopAndItsSideBarRestoredAtTheEnd) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "{Sidebar|Text:Side|BColor:255|GColor:1}");
  AppendMenuA(popup_.get(), MF_STRING, 101, "First");
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  EXPECT_TRUE(OwnerDrawn(popup_.get(), 0));
  // Written back as text by its host mid-loop, it is not prepared again in the same loop.
  ModifyMenuA(popup_.get(), 101, MF_BYCOMMAND | MF_STRING, 101, "Changed");
  Open();
  EXPECT_FALSE(OwnerDrawn(popup_.get(), 1));
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  EXPECT_FALSE(OwnerDrawn(popup_.get(), 0));  // the side bar is text again
  EXPECT_EQ(GetMenuItemID(popup_.get(), 0), 100u);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  EXPECT_TRUE(OwnerDrawn(popup_.get(), 1));
  EXPECT_EQ(AttachedStore(owner_.get())->GetMenuItem(101, popup_.get()).DisplayText, "Changed");
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
}

// Runs while a real popup is up: looks at it, then chooses its last item with the keyboard.
struct RealMenu {
  static inline test::Picture picture;
  static inline bool seen = false;
  static inline int looks = 0;
  static inline bool looking = false;  // the capture runs the thread's messages, this tick's too
  // The strip's left edge in red: the popup has been painted (a busy display may show it late).
  static bool StripShows(const test::Picture& p) {
    return p.width > 10 && p.height > 0 && p.At(10, p.height / 2, 0) == 255 && p.At(10, p.height / 2, 1) == 0;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (looking || !menu || !IsWindowVisible(menu)) return;
    looking = true;
    picture = test::CaptureWindow(menu);
    looking = false;
    if (!StripShows(picture) && ++looks < 20) return;
    KillTimer(nullptr, timer);
    seen = true;
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  }
};

TEST_F(Engine, ARealPopupShowsItsSideBarAndItsChoiceReachesTheWindow) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "{Sidebar|Text:Side|BColor:255|GColor:1|Width:40}");
  AppendMenuA(popup_.get(), MF_STRING, 101, "First");
  AppendMenuA(popup_.get(), MF_STRING, 102, "Last");
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  SetForegroundWindow(owner_.get());
  RealMenu::seen = false;
  RealMenu::looks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, &RealMenu::Tick);
  TrackPopupMenuEx(popup_.get(), 0, 100, 100, owner_.get(), nullptr);
  KillTimer(nullptr, timer);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  ASSERT_TRUE(RealMenu::seen);
  EXPECT_EQ(g_commands, std::vector<UINT>{102});
  // The strip down the left in its background colour.
  const test::Picture& p = RealMenu::picture;
  ASSERT_GT(p.width, 40);
  int red = 0;
  for (int y = 0; y < p.height; ++y) red += p.At(10, y, 0) == 255 && p.At(10, y, 1) == 0 && p.At(10, y, 2) == 0;
  EXPECT_GT(red, p.height / 2);
  EXPECT_FALSE(OwnerDrawn(popup_.get(), 0));  // back to text after the loop
}

TEST_F(Engine, TypedLettersExecuteOrCycleThroughTheirItems) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "&Alpha");
  AppendMenuA(popup_.get(), MF_STRING, 101, "&Beta");
  AppendMenuA(popup_.get(), MF_STRING, 102, "Gamma");
  AppendMenuA(popup_.get(), MF_STRING, 103, "&Bravo");
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  Open();
  auto answer = [&](char letter) {
    return SendMessageA(owner_.get(), WM_MENUCHAR, MAKEWPARAM(letter, MF_POPUP),
                        reinterpret_cast<LPARAM>(popup_.get()));
  };
  EXPECT_EQ(answer('a'), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(answer('g'), 0);
  EXPECT_EQ(answer('b'), MAKELRESULT(1, MNC_SELECT));
  MENUITEMINFOA hilite{};
  hilite.cbSize = sizeof hilite;
  hilite.fMask = MIIM_STATE;
  hilite.fState = MFS_HILITE;
  SetMenuItemInfoA(popup_.get(), 1, TRUE, &hilite);
  EXPECT_EQ(answer('B'), MAKELRESULT(3, MNC_SELECT));
}

TEST_F(Engine, ALetterBeyondAsciiIsTypedInTheKeyboardsCodePageAndMatchedWhateverItsCase) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "Plain");
  AppendMenuA(popup_.get(), MF_STRING, 101, "&\xC3\x96l");  // "&Öl"
  AppendMenuA(popup_.get(), MF_STRING, 102, "&\xC3\xA9t\xC3\xA9");  // "&été"
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  Open();
  // An ANSI window receives the character in the keyboard's code page.
  const LCID keyboard = MAKELCID(LOWORD(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0))), SORT_DEFAULT);
  UINT codePage = 0;
  GetLocaleInfoW(keyboard, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&codePage),
                 sizeof codePage / sizeof(WCHAR));
  auto typed = [&](const wchar_t* letter) {
    char byte = 0;
    BOOL lost = FALSE;
    EXPECT_EQ(WideCharToMultiByte(codePage ? codePage : CP_ACP, 0, letter, 1, &byte, 1, nullptr, &lost), 1);
    return SendMessageA(owner_.get(), WM_MENUCHAR, MAKEWPARAM(static_cast<unsigned char>(byte), MF_POPUP),
                        reinterpret_cast<LPARAM>(popup_.get()));
  };
  if (codePage != 1252) GTEST_SKIP() << "the keyboard's code page is " << codePage;
  EXPECT_EQ(typed(L"\x00F6"), MAKELRESULT(1, MNC_EXECUTE));  // ö picks Öl, never an item without a letter
  EXPECT_EQ(typed(L"\x00D6"), MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(typed(L"\x00C9"), MAKELRESULT(2, MNC_EXECUTE));
  EXPECT_EQ(typed(L"\x00FC"), 0);
}

TEST_F(Engine, ATypedLettersCommandIsDecodedAgainstThePopupItCameFrom) {
  // A host item whose id a generated panel's item has too: the command must reach the host.
  AppendMenuA(popup_.get(), MF_STRING, 32499, "&Run");
  AppendMenuA(popup_.get(), MF_STRING, 100, "Colours{lvColors:0}");
  auto tips = std::make_shared<cTips>();
  std::vector<std::string> categories;
  tips->ItemSelected = [&](const std::string&, const std::string& category, const ChoiceValue&) {
    if (category != "MenusClosed") categories.push_back(category);
  };
  SetMenus(owner_.get(), nullptr, tips, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  HMENU colors = GetSubMenu(popup_.get(), 1);
  ASSERT_TRUE(colors);
  ASSERT_EQ(GetMenuItemID(colors, 0), 32499u);  // "Black"
  SendMessageA(owner_.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colors), 1);
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(32499, MF_OWNERDRAW), reinterpret_cast<LPARAM>(colors));
  // The user goes back to the first popup and types its letter.
  EXPECT_EQ(SendMessageA(owner_.get(), WM_MENUCHAR, MAKEWPARAM('r', MF_POPUP), reinterpret_cast<LPARAM>(popup_.get())),
            MAKELRESULT(0, MNC_EXECUTE));
  SendMessageA(owner_.get(), WM_COMMAND, MAKEWPARAM(32499, 0), 0);
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  EXPECT_EQ(g_commands, std::vector<UINT>{32499});
  EXPECT_TRUE(categories.empty());
}

TEST_F(Engine, TheMenuFontsGoWithTheLastDetachmentAndStayGone) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "Item");
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  Open();
  EXPECT_TRUE(FontSlot(1));
  UnsetMenus(owner_.get());
  EXPECT_FALSE(FontSlot(1));
  // Measuring after the engine has gone keeps no font either.
  rt::UniqueHmenu later(CreatePopupMenu());
  AppendMenuA(later.get(), MF_STRING, 100, "Item");
  cMenuItems store;
  store.InitializeSubMenu(owner_.get(), nullptr, nullptr, true);
  bool system = false;
  store.IsWindowList(later.get(), system);
  EXPECT_GT(store.GetMenuItem(100, later.get()).Width, 40);  // measured in the menu font all the same
  EXPECT_FALSE(FontSlot(1));
  EXPECT_FALSE(FontSlot(3));
}

TEST_F(Engine, LongPopupsShowTheHourglassUntilTheMenuIdles) {
  for (UINT i = 0; i < 60; ++i) AppendMenuA(popup_.get(), MF_STRING, 100 + i, ("Item " + std::to_string(i)).c_str());
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();  // now known as long
  EXPECT_EQ(rt::Screen().GetMousePointer(), rt::MousePointer::Hourglass);
  SendMessageA(owner_.get(), WM_ENTERIDLE, MSGF_MENU, 0);
  EXPECT_EQ(rt::Screen().GetMousePointer(), rt::MousePointer::Default);
  Open();
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  EXPECT_EQ(rt::Screen().GetMousePointer(), rt::MousePointer::Default);
}

TEST_F(Engine, TipsAndTheClosingOfTheMenusReachTheEventsObject) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "Open{Tip:Opens a file}");
  auto tips = std::make_shared<cTips>();
  std::vector<std::string> events;
  tips->ShowTip = [&](const std::string& text) { events.push_back("tip:" + text); };
  tips->ItemSelected = [&](const std::string&, const std::string& category, const ChoiceValue&) {
    events.push_back(category);
  };
  SetMenus(owner_.get(), nullptr, tips, 0);
  tips.reset();  // the engine keeps its own share
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(100, MF_OWNERDRAW), reinterpret_cast<LPARAM>(popup_.get()));
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"tip:Opens a file", "tip:", "tip:", "MenusClosed"}));
}

TEST_F(Engine, ControlsKeepTheirOwnerDrawingAndUnknownWindowsTheirDefaults) {
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  DRAWITEMSTRUCT button{ODT_BUTTON};
  EXPECT_EQ(SendMessageA(owner_.get(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&button)), 0);
  // A window the engine never knew still gets its messages handled by its default procedure.
  rt::UniqueWindow stranger(MakeOwner());
  EXPECT_EQ(MenuWndProc(stranger.get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("renamed")), TRUE);
  char title[32] = {};
  GetWindowTextA(stranger.get(), title, sizeof title);
  EXPECT_STREQ(title, "renamed");
  MINMAXINFO limits{};
  limits.ptMaxSize.x = 77;
  SendMessageA(owner_.get(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_NE(limits.ptMaxSize.x, 0);  // no limits kept: the window's own answer
}

TEST_F(Engine, AHostsFailingHandlerNeverEndsTheProgramAndTheMessagesGoOn) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "Open{Tip:Opens a file}");
  AppendMenuA(popup_.get(), MF_STRING, 101, "Colours{lvColors:0}");
  auto tips = std::make_shared<cTips>();
  int tipsShown = 0, chosen = 0;
  tips->ShowTip = [&](const std::string&) {
    ++tipsShown;
    throw std::runtime_error("the host's tip handler fails");
  };
  tips->ItemSelected = [&](const std::string&, const std::string& category, const ChoiceValue&) {
    if (category == "MenusClosed") return;
    ++chosen;
    throw std::runtime_error("the host's choice handler fails");
  };
  SetMenus(owner_.get(), nullptr, tips, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(100, MF_OWNERDRAW), reinterpret_cast<LPARAM>(popup_.get()));
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(100, MF_OWNERDRAW), reinterpret_cast<LPARAM>(popup_.get()));
  EXPECT_EQ(tipsShown, 2);
  EXPECT_EQ(g_menuMessages, (std::vector<UINT>{WM_MENUSELECT, WM_MENUSELECT}));  // on to the window's own procedure
  HMENU colors = GetSubMenu(popup_.get(), 1);
  ASSERT_TRUE(colors);
  SendMessageA(owner_.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colors), 1);
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(colors, 15), MF_OWNERDRAW),
               reinterpret_cast<LPARAM>(colors));
  SendMessageA(owner_.get(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(colors, 15), 0), 0);
  EXPECT_EQ(chosen, 1);
  EXPECT_TRUE(g_commands.empty());  // the engine's choice all the same: it never reaches the window
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
}

// The colour dialog failing, as any of the engine's own steps may.
class FailingColorDialog final : public os::ColorDialog {
 public:
  std::optional<COLORREF> Choose(const os::ColorRequest&) override { throw std::runtime_error("no dialog"); }
};

TEST_F(Engine, AFailingHandlerOfTheEngineSendsTheMessageOnToTheWindowOnce) {
  FailingColorDialog dialog;
  os::Install<os::ColorDialog> install(&dialog);
  AppendMenuA(popup_.get(), MF_STRING, 101, "Colours{lvColors:0}");
  SetMenus(owner_.get(), nullptr, std::make_shared<cTips>(), 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  HMENU colors = GetSubMenu(popup_.get(), 0);
  ASSERT_TRUE(colors);
  SendMessageA(owner_.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colors), 1);
  const UINT custom = GetMenuItemID(colors, 24);  // "Select a custom color"
  SendMessageA(owner_.get(), WM_MENUSELECT, MAKEWPARAM(custom, MF_OWNERDRAW), reinterpret_cast<LPARAM>(colors));
  SendMessageA(owner_.get(), WM_COMMAND, MAKEWPARAM(custom, 0), 0);
  EXPECT_EQ(g_commands, std::vector<UINT>{custom});
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
}

TEST_F(Engine, AMenuCommandIsDecodedForPanelsAndPassedOnToTheWindow) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "&Run");
  AppendMenuA(popup_.get(), MF_STRING, 101, "Colours{lvColors:0}");
  auto tips = std::make_shared<cTips>();
  std::vector<ChoiceValue> colours;
  tips->ItemSelected = [&](const std::string&, const std::string& category, const ChoiceValue& value) {
    if (category == "Color") colours.push_back(value);
  };
  SetMenus(owner_.get(), nullptr, tips, 0);
  SendMessageA(owner_.get(), WM_ENTERMENULOOP, TRUE, 0);
  Open();
  HMENU colors = GetSubMenu(popup_.get(), 1);
  ASSERT_TRUE(colors);
  SendMessageA(owner_.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colors), 1);
  // A menu with MNS_NOTIFYBYPOS names the chosen item by its position in the popup.
  SendMessageA(owner_.get(), WM_MENUCOMMAND, 15, reinterpret_cast<LPARAM>(colors));       // Red
  SendMessageA(owner_.get(), WM_MENUCOMMAND, 0, reinterpret_cast<LPARAM>(popup_.get()));  // the host's own Run
  SendMessageA(owner_.get(), WM_EXITMENULOOP, TRUE, 0);
  EXPECT_EQ(colours, std::vector<ChoiceValue>{int32_t{255}});
  EXPECT_EQ(g_menuMessages, (std::vector<UINT>{WM_MENUCOMMAND, WM_MENUCOMMAND}));
}

// A frame with an MDI client, and the client's children, as the platform's MDI windows are made.
struct MdiWindows {
  rt::UniqueWindow frame;
  HWND client = nullptr;
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = FindWindowExA(hwnd, nullptr, "MDIClient", nullptr);
    return DefFrameProcA(hwnd, client, message, wParam, lParam);
  }
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
  }
  MdiWindows() {
    static ATOM atoms[] = {[] {
                             WNDCLASSA wc{};
                             wc.lpfnWndProc = FrameProc;
                             wc.hInstance = GetModuleHandleA(nullptr);
                             wc.lpszClassName = "MenuEngineTestFrame";
                             return RegisterClassA(&wc);
                           }(),
                           [] {
                             WNDCLASSA wc{};
                             wc.lpfnWndProc = ChildProc;
                             wc.hInstance = GetModuleHandleA(nullptr);
                             wc.lpszClassName = "MenuEngineTestChild";
                             return RegisterClassA(&wc);
                           }()};
    (void)atoms;
    frame.reset(CreateWindowExA(0, "MenuEngineTestFrame", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
    CLIENTCREATESTRUCT create{nullptr, 1000};
    client = CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                             frame.get(), nullptr, GetModuleHandleA(nullptr), &create);
  }
  HWND NewChild() {
    MDICREATESTRUCTA create{"MenuEngineTestChild", "child", GetModuleHandleA(nullptr), 0, 0, 200, 150, 0, 0};
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  }
};

TEST_F(Engine, MdiChildrenAreAttachedWhenActivatedAndDetachedWhenDestroyed) {
  MdiWindows mdi;
  ASSERT_TRUE(mdi.frame && mdi.client);
  auto tips = std::make_shared<cTips>();
  SetMenus(mdi.frame.get(), nullptr, tips, 0);
  auto frame = AttachedStore(mdi.frame.get());
  auto client = AttachedStore(mdi.client);
  ASSERT_TRUE(frame && client);
  EXPECT_EQ(frame->MDIClient(), mdi.client);
  EXPECT_TRUE(client->IsMDIclient());
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(mdi.client, GWLP_WNDPROC)), &MenuWndProc);

  HWND child = mdi.NewChild();
  ASSERT_TRUE(child);
  SendMessageA(mdi.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  auto childStore = AttachedStore(child);
  ASSERT_TRUE(childStore);
  EXPECT_EQ(childStore->ShowTips(), tips);  // the frame's events object
  EXPECT_FALSE(childStore->IsMenuLess());
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(mdi.client, WM_MDIGETACTIVE, 0, 0)), child);
  // A popup of the frame's menu opens for the active child.
  AppendMenuA(popup_.get(), MF_STRING, 100, "Item");
  SendMessageA(mdi.frame.get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup_.get()), 0);
  EXPECT_EQ(childStore->GetMenuItem(100, popup_.get()).DisplayText, "Item");
  EXPECT_EQ(frame->GetMenuItem(100, popup_.get()).ItemID, 0u);

  SendMessageA(mdi.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(AttachedStore(child));
  EXPECT_TRUE(AttachedStore(mdi.frame.get()));
  HWND gone = mdi.frame.release();
  DestroyWindow(gone);
  EXPECT_FALSE(AttachedStore(gone));
  EXPECT_FALSE(AttachedStore(mdi.client));
}

// Another subclass that a host puts in front of the engine's procedure.
WNDPROC g_beneath = nullptr;
LRESULT CALLBACK InFront(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_beneath, hwnd, message, wParam, lParam);
}

TEST_F(Engine, DetachingBehindAnotherSubclassLeavesTheChainWorking) {
  AppendMenuA(popup_.get(), MF_STRING, 100, "Item");
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  g_beneath =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(owner_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InFront)));
  ASSERT_EQ(g_beneath, &MenuWndProc);
  UnsetMenus(owner_.get());
  EXPECT_FALSE(AttachedStore(owner_.get()));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC)), &InFront);  // left in place
  // The engine passes everything on and converts nothing.
  Open();
  EXPECT_FALSE(OwnerDrawn(popup_.get(), 0));
  SendMessageA(owner_.get(), WM_COMMAND, MAKEWPARAM(100, 0), 0);
  EXPECT_EQ(g_commands, std::vector<UINT>{100});
  // Once the other subclass has gone, the window can be attached again.
  SetWindowLongPtrA(owner_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beneath));
  SetMenus(owner_.get(), nullptr, nullptr, 0);
  Open();
  EXPECT_TRUE(OwnerDrawn(popup_.get(), 0));
  UnsetMenus(owner_.get());
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.get(), GWLP_WNDPROC)), &OwnerProc);
}

}  // namespace

namespace {

TEST(EngineUtilities, FontFamiliesSortedAfterAnEmptyEntryAndOneCachedIcon) {
  const std::vector<std::string> all = GetFontFamilies(nullptr, 0);
  ASSERT_GT(all.size(), 1u);
  EXPECT_EQ(all[0], "");
  for (size_t i = 2; i < all.size(); ++i) EXPECT_LE(_stricmp(all[i - 1].c_str(), all[i].c_str()), 0) << all[i];
  // The system reports a family once for each of its character sets; the list has it once.
  std::set<std::string> distinct;
  for (std::string name : all) distinct.insert(CharLowerA(name.data()));
  EXPECT_EQ(distinct.size(), all.size());
  const std::vector<std::string> trueType = GetFontFamilies(nullptr, 4);
  EXPECT_LE(trueType.size(), all.size());
  EXPECT_EQ(trueType[0], "");

  HICON first = GetAssociatedIcon("C:\\windows\\notepad.exe");
  EXPECT_EQ(GetAssociatedIcon("C:\\windows\\regedit.exe"), first);  // one icon for every path
  ReleaseAssociatedIcon();
  EXPECT_EQ(TrimNull(std::string("Arial\0garbage", 13)), "Arial");
  EXPECT_EQ(TrimNull("Tahoma"), "Tahoma");
}

}  // namespace
