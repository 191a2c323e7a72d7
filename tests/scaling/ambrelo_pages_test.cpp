// Ambrelo's property pages as a property frame drives them: created through the registered DLL,
// given a control, activated into a window, edited by messages to their boxes, then applied; what
// they wrote is read back from the control by name.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "automation_client.h"
#include "control_fixture.h"
#include "form.h"
#include "message_loop.h"
#include "ole/form_model.h"
#include "pages/exclusion_page.h"
#include "pages/form_effects_page.h"
#include "pages/general_page.h"
#include "pages/replace_fonts_page.h"
#include "pages/scale_controls_page.h"
#include "window_picture.h"

namespace ambtest {
namespace {

using namespace amb::pages;

void Pump(DWORD milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

class PageSite : public IPropertyPageSite {
 public:
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPageSite) ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }
  IFACEMETHODIMP_(ULONG) Release() override { return 1; }
  IFACEMETHODIMP OnStatusChange(DWORD flags) override {
    if (flags & PROPPAGESTATUS_DIRTY) ++dirtyReports;
    return S_OK;
  }
  IFACEMETHODIMP GetLocaleID(LCID* lcid) override { return *lcid = 0x0409, S_OK; }
  IFACEMETHODIMP GetPageContainer(IUnknown** out) override { return *out = nullptr, E_NOTIMPL; }
  IFACEMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
  int dirtyReports = 0;
};

// A page created through its class factory and activated into a window of the test.
class OpenPage {
 public:
  OpenPage(const CLSID& clsid, std::vector<IUnknown*> selection) {
    frame_ = CreateWindowExW(0, L"STATIC", L"frame", WS_POPUP | WS_VISIBLE, 40, 40, 520, 300, nullptr, nullptr,
                             nullptr, nullptr);
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage, page.put_void());
    EXPECT_HRESULT_SUCCEEDED(hr);
    if (!page) return;
    EXPECT_HRESULT_SUCCEEDED(page->SetPageSite(&site));
    EXPECT_HRESULT_SUCCEEDED(page->SetObjects(static_cast<ULONG>(selection.size()), selection.data()));
    PROPPAGEINFO info{sizeof info};
    EXPECT_HRESULT_SUCCEEDED(page->GetPageInfo(&info));
    title = info.pszTitle ? info.pszTitle : L"";
    CoTaskMemFree(info.pszTitle);
    RECT r{0, 0, info.size.cx, info.size.cy};
    EXPECT_HRESULT_SUCCEEDED(page->Activate(frame_, &r, TRUE));
    EXPECT_HRESULT_SUCCEEDED(page->Show(SW_SHOW));
    window = GetWindow(frame_, GW_CHILD);
  }
  ~OpenPage() {
    if (page) {
      page->Deactivate();
      page->SetObjects(0, nullptr);
      page->SetPageSite(nullptr);
    }
    DestroyWindow(frame_);
  }
  // The frame takes the page's window away and gives it a new one.
  void Reactivate() {
    ASSERT_HRESULT_SUCCEEDED(page->Deactivate());
    RECT r{0, 0, 500, 280};
    ASSERT_HRESULT_SUCCEEDED(page->Activate(frame_, &r, TRUE));
    window = GetWindow(frame_, GW_CHILD);
  }
  HWND Item(int id) const { return GetDlgItem(window, id); }
  bool Dirty() const { return page->IsPageDirty() == S_OK; }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Type(int id, const wchar_t* text) { SetWindowTextW(Item(id), text); }
  std::wstring Text(int id) {
    wchar_t text[256] = {};
    GetWindowTextW(Item(id), text, 256);
    return text;
  }
  void Choose(int id, int position) {
    SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
  }
  std::vector<std::wstring> ListItems() {
    std::vector<std::wstring> items;
    for (int i = 0; i < ListView_GetItemCount(Item(kList)); ++i) {
      wchar_t text[128] = {};
      LVITEMW item{};
      item.pszText = text;
      item.cchTextMax = 128;
      SendMessageW(Item(kList), LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      items.push_back((ListView_GetCheckState(Item(kList), i) ? L"[x]" : L"[ ]") + std::wstring(text));
    }
    return items;
  }
  int ItemOf(const wchar_t* key) {
    LVFINDINFOW find{LVFI_STRING, key};
    return static_cast<int>(SendMessageW(Item(kList), LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
  }
  // As a click on the item's check box does it: the item becomes current, then its check flips.
  void ClickCheckOf(const wchar_t* key) {
    int i = ItemOf(key);
    ListView_SetItemState(Item(kList), i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetCheckState(Item(kList), i, !ListView_GetCheckState(Item(kList), i));
  }
  void Keep(const char* name) {
    EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(frame_), TARNWICK_ARTIFACT_DIR, name));
  }

  PageSite site;
  rt::ComPtr<IPropertyPage> page;
  std::wstring title;
  HWND window = nullptr;

 private:
  HWND frame_ = nullptr;
};

std::wstring TextProperty(IDispatch* control, const wchar_t* name, std::vector<VARIANT> index = {}) {
  return test::TextOf(test::LateGet(control, name, std::move(index)));
}

TEST(GeneralPage, ShowsTheControlAppliesTheEditsAndCleansNumberBoxes) {
  rt::ComPtr<IDispatch> control = CreateControl();
  IUnknown* selection[] = {control.get()};
  OpenPage page(CLSID_General, {selection[0]});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.title, L"General");
  EXPECT_TRUE(page.Checked(kChkScaleFonts)) << "ScaleFonts is True by default";
  EXPECT_FALSE(page.Checked(kChkCenterX));
  EXPECT_EQ(page.Text(kTxtScaleX), L"0");
  EXPECT_EQ(SendMessageW(page.Item(kCmbSource), CB_GETCOUNT, 0, 0), 10);
  EXPECT_FALSE(page.Dirty()) << "loading is no edit";
  EXPECT_EQ(page.site.dirtyReports, 0);

  page.Click(kChkCenterX);
  EXPECT_TRUE(page.Dirty());
  EXPECT_EQ(page.site.dirtyReports, 1);
  page.Click(kChkScaleFonts);
  page.Type(kTxtScaleX, L"abc");
  page.Type(kTxtMinWidth, L"1440");
  page.Type(kTxtWindowName, L"Main Window");
  page.Choose(kCmbSource, 4);
  page.Choose(kCmbType, 1);
  page.Keep("ambrelo-page-general");
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_FALSE(page.Dirty());
  EXPECT_EQ(page.Text(kTxtScaleX), L"0") << "the cleaned box shows what was written";
  EXPECT_EQ(TextProperty(control.get(), L"CenterX"), L"True");
  EXPECT_EQ(TextProperty(control.get(), L"ScaleFonts"), L"False");
  EXPECT_EQ(TextProperty(control.get(), L"ScaleX"), L"0");
  EXPECT_EQ(TextProperty(control.get(), L"MinWidth"), L"1440");
  EXPECT_EQ(TextProperty(control.get(), L"WindowName"), L"Main Window");
  EXPECT_EQ(TextProperty(control.get(), L"GradientSource"), L"4");
  EXPECT_EQ(TextProperty(control.get(), L"GradientType"), L"1");
}

// A later selection keeps the first control's values on the page; an apply writes them to the
// control that is first in the selection then, and only to it.
TEST(GeneralPage, WorksOnTheFirstSelectedControlAndLoadsOnce) {
  rt::ComPtr<IDispatch> first = CreateControl(), second = CreateControl(), third = CreateControl();
  ASSERT_TRUE(test::LatePut(first.get(), L"ScaleY", test::VarLong(40)).ok());
  OpenPage page(CLSID_General, {first.get(), second.get()});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.Text(kTxtScaleY), L"40");
  IUnknown* next[] = {third.get(), second.get()};
  ASSERT_HRESULT_SUCCEEDED(page.page->SetObjects(2, next));
  EXPECT_EQ(page.Text(kTxtScaleY), L"40") << "no reload";
  page.Type(kTxtWindowName, L"Copied");
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(TextProperty(third.get(), L"ScaleY"), L"40");
  EXPECT_EQ(TextProperty(third.get(), L"WindowName"), L"Copied");
  EXPECT_EQ(TextProperty(second.get(), L"WindowName"), L"");
  EXPECT_EQ(TextProperty(first.get(), L"WindowName"), L"");
}

// Edits survive a new window: a frame that deactivates a page must not lose them, nor have the
// design values written in their place.
TEST(GeneralPage, KeepsItsEditsWhenTheFrameGivesItANewWindow) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_General, {control.get()});
  ASSERT_TRUE(page.window);
  page.Type(kTxtWindowName, L"Kept");
  page.Click(kChkScaleFonts);
  page.Reactivate();
  EXPECT_EQ(page.Text(kTxtWindowName), L"Kept");
  EXPECT_FALSE(page.Checked(kChkScaleFonts));
  EXPECT_EQ(page.Text(kTxtMinWidth), L"0");
  EXPECT_TRUE(page.Dirty());
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(TextProperty(control.get(), L"WindowName"), L"Kept");
  EXPECT_EQ(TextProperty(control.get(), L"ScaleFonts"), L"False");
  EXPECT_EQ(TextProperty(control.get(), L"ScaleBorders"), L"True");
}

// A number the property cannot hold stops the apply at its write; the page stays changed.
TEST(GeneralPage, AWriteThatFailsEndsTheApplyAndIsReported) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_General, {control.get()});
  ASSERT_TRUE(page.window);
  page.Type(kTxtWindowName, L"Before");
  page.Type(kTxtScaleX, L"99999");
  page.Type(kTxtMinWidth, L"77");
  EXPECT_FALSE(SUCCEEDED(page.page->Apply()));
  EXPECT_TRUE(page.Dirty());
  EXPECT_EQ(TextProperty(control.get(), L"WindowName"), L"Before");
  EXPECT_EQ(TextProperty(control.get(), L"ScaleX"), L"0");
  EXPECT_EQ(TextProperty(control.get(), L"MinWidth"), L"0") << "written after ScaleX";
}

TEST(FormEffectsPage, TimeBoxesHoldSecondsAndTheListsWriteTheirPositions) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_FormEffects, {control.get()});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.Text(kTxtFormOpenTime), L"1");
  EXPECT_FALSE(page.Dirty());
  struct Case {
    const wchar_t* typed;
    const wchar_t* shown;
  } cases[] = {{L".", L"0."}, {L"-", L"0"}, {L"12", L"10"}, {L"abc", L"0"}, {L"2.5", L"2.5"}, {L"", L""}};
  for (const Case& c : cases) {
    page.Type(kTxtFormCloseTime, c.typed);
    EXPECT_EQ(page.Text(kTxtFormCloseTime), c.shown) << c.typed;
  }
  SendMessageW(page.window, WM_COMMAND, MAKEWPARAM(kTxtFormCloseTime, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(page.Item(kTxtFormCloseTime)));
  EXPECT_EQ(page.Text(kTxtFormCloseTime), L"0") << "an empty box is 0 once left";
  page.Type(kTxtFormOpenTime, L"12");
  page.Choose(kCmbFormOpen, 7);
  page.Choose(kCmbFormPicture, 3);
  EXPECT_TRUE(page.Dirty());
  page.Keep("ambrelo-page-formeffects");
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(TextProperty(control.get(), L"FormOpen"), L"7");
  EXPECT_EQ(TextProperty(control.get(), L"FormClose"), L"0");
  EXPECT_EQ(TextProperty(control.get(), L"FormPicture"), L"3");
  EXPECT_EQ(TextProperty(control.get(), L"FormOpenTime"), L"10");
  EXPECT_EQ(TextProperty(control.get(), L"FormCloseTime"), L"0");
}

std::wstring FontEntry(HWND list, int i) {
  wchar_t text[LF_FACESIZE + 8] = {};
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(ReplaceFontsWithPage, SelectsTheStoredNameExactlyAndWritesTheChosenEntry) {
  rt::ComPtr<IDispatch> control = CreateControl();
  {
    OpenPage page(CLSID_ReplaceFontsWith, {control.get()});
    ASSERT_TRUE(page.window);
    HWND list = page.Item(kFontList);
    ASSERT_GT(SendMessageW(list, LB_GETCOUNT, 0, 0), 1) << "<none> and the installed families";
    LRESULT current = SendMessageW(list, LB_GETCURSEL, 0, 0);
    ASSERT_GE(current, 0);
    EXPECT_EQ(FontEntry(list, static_cast<int>(current)), L"<none>") << "the default";
    int pick = FontEntry(list, 0) == L"<none>" ? 1 : 0;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(pick), 0);
    SendMessageW(page.window, WM_COMMAND, MAKEWPARAM(kFontList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(page.Dirty());
    page.Keep("ambrelo-page-replacefontswith");
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
    EXPECT_EQ(TextProperty(control.get(), L"ReplaceFontsWith"), FontEntry(list, pick));
  }
  std::wstring stored = TextProperty(control.get(), L"ReplaceFontsWith");
  std::wstring lower = stored;
  CharLowerW(lower.data());
  ASSERT_NE(lower, stored);
  VARIANT text;
  V_VT(&text) = VT_BSTR;
  V_BSTR(&text) = SysAllocString(lower.c_str());
  ASSERT_TRUE(test::LatePut(control.get(), L"ReplaceFontsWith", text).ok());
  OpenPage page(CLSID_ReplaceFontsWith, {control.get()});
  EXPECT_EQ(SendMessageW(page.Item(kFontList), LB_GETCURSEL, 0, 0), LB_ERR) << "case counts";
}

// A form of our runtime holding Ambrelo: the pages list its controls through FormControls.
constexpr rt::ControlDesign kControls[] = {
    {.name = "lblTitle", .kind = rt::ControlKind::Label, .left = 120, .top = 120, .width = 2400, .height = 300,
     .caption = "Scaled"},
    {.name = "cmdOk", .kind = rt::ControlKind::CommandButton, .left = 120, .top = 600, .width = 1200,
     .height = 400, .caption = "OK"},
    {.name = "txtName", .kind = rt::ControlKind::TextBox, .left = 120, .top = 1200, .width = 1200, .height = 300},
    {.name = "Ambrelo1", .kind = rt::ControlKind::OleControl, .left = 4000, .top = 120, .width = 480,
     .height = 480, .classId = "AmbreloControl.Ambrelo"},
};

class PagesForm : public rt::Form {
 public:
  PagesForm() : rt::Form("frmPages") {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Pages";
    s.clientWidth = 6000;
    s.clientHeight = 3000;
    s.controls = kControls;
    return s;
  }
};

class PagesOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    form_.Show();
    ambrelo = form_.ObjectModel()->ObjectOf(*form_.FindControl("Ambrelo1"));
    ASSERT_TRUE(ambrelo);
  }
  void TearDown() override {
    form_.Unload();
    rt::CollectUnloadedForms();
  }
  void Store(std::vector<std::pair<const wchar_t*, std::vector<const wchar_t*>>> entries) {
    ASSERT_TRUE(test::LatePut(ambrelo, L"ControlFlagCount", test::VarLong(static_cast<LONG>(entries.size()))).ok());
    for (size_t i = 0; i < entries.size(); ++i) {
      LONG n = static_cast<LONG>(i + 1);
      VARIANT key;
      V_VT(&key) = VT_BSTR;
      V_BSTR(&key) = SysAllocString(entries[i].first);
      ASSERT_TRUE(test::LateInvoke(ambrelo, L"ControlFlagControlKey", DISPATCH_PROPERTYPUT,
                                   {test::VarLong(n), key}).ok());
      for (const wchar_t* flag : entries[i].second)
        ASSERT_TRUE(test::LateInvoke(ambrelo, flag, DISPATCH_PROPERTYPUT, {test::VarLong(n), test::VarBool(true)}).ok());
    }
  }
  std::wstring Entry(const wchar_t* property, LONG n) { return TextProperty(ambrelo, property, {test::VarLong(n)}); }
  // The entry number of a key in the stored list, 0 when it is not there.
  LONG EntryOf(const wchar_t* key) {
    LONG count = static_cast<LONG>(test::NumberOf(test::LateGet(ambrelo, L"ControlFlagCount")));
    for (LONG n = 1; n <= count; ++n)
      if (Entry(L"ControlFlagControlKey", n) == key) return n;
    return 0;
  }

  PagesForm form_;
  IDispatch* ambrelo = nullptr;
};

TEST_F(PagesOnForm, TheFontsPageListsControlsWithFontsAndWritesTheWholeList) {
  Store({{L"Gone", {L"ControlFlagDontScaleFont"}}, {L"txtName", {L"ControlFlagDontScaleFont", L"ControlFlagDontScaleLeft"}}});
  OpenPage page(CLSID_ScaleFonts, {ambrelo});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.title, L"ScaleFonts");
  EXPECT_EQ(page.Text(kBanner), L"ScaleFonts = True (Set on General Tab) ");
  std::vector<std::wstring> items = page.ListItems();
  EXPECT_EQ(items, (std::vector<std::wstring>{L"[ ]cmdOk", L"[ ]lblTitle", L"[x]txtName"})) << "sorted, by the probe";
  EXPECT_EQ(Entry(L"ControlFlagControlKey", 1), L"") << "a gone control's entry is blanked at once";
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", 1), L"False");
  EXPECT_FALSE(page.Dirty());

  page.ClickCheckOf(L"cmdOk");
  EXPECT_TRUE(page.Dirty());
  EXPECT_EQ(page.Text(kControlType), L"CommandButton");
  page.Keep("ambrelo-page-scalefonts");
  page.Reactivate();
  EXPECT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[x]cmdOk", L"[ ]lblTitle", L"[x]txtName"}));
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  LONG count = static_cast<LONG>(test::NumberOf(test::LateGet(ambrelo, L"ControlFlagCount")));
  EXPECT_GE(count, 5) << "the form and each control";
  EXPECT_EQ(Entry(L"ControlFlagControlKey", 1), L"frmPages");
  ASSERT_GT(EntryOf(L"cmdOk"), 0);
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", EntryOf(L"cmdOk")), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", EntryOf(L"txtName")), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleLeft", EntryOf(L"txtName")), L"True") << "other flags stay with their control";
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", EntryOf(L"lblTitle")), L"False");
  EXPECT_EQ(EntryOf(L"Gone"), 0);
}

TEST_F(PagesOnForm, SelectAllAndNoneOnTheBordersAndGraphicsPages) {
  for (const CLSID* clsid : {&CLSID_ScaleBorders, &CLSID_ScaleGraphics}) {
    OpenPage page(*clsid, {ambrelo});
    ASSERT_TRUE(page.window);
    page.Click(kSelectAll);
    for (const std::wstring& item : page.ListItems()) EXPECT_EQ(item.substr(0, 3), L"[x]") << item;
    page.Keep(clsid == &CLSID_ScaleBorders ? "ambrelo-page-scaleborders" : "ambrelo-page-scalegraphics");
    page.Click(kSelectNone);
    for (const std::wstring& item : page.ListItems()) EXPECT_EQ(item.substr(0, 3), L"[ ]") << item;
  }
}

TEST_F(PagesOnForm, ScaleControlsLocksFollowTheItemAndRefuseAThirdPerAxis) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.Text(kBanner), L"ScaleControls = True (Set on General Tab) ");
  ASSERT_GE(page.ItemOf(L"cmdOk"), 0) << page.ListItems().size() << " " << ListView_GetItemCount(page.Item(kList));
  EXPECT_FALSE(IsWindowEnabled(page.Item(kLockLeft))) << "item 0 is current and included";

  page.ClickCheckOf(L"cmdOk");
  EXPECT_TRUE(page.Dirty());
  EXPECT_TRUE(IsWindowEnabled(page.Item(kLockLeft)));
  for (int box : {kLockLeft, kLockTop, kLockWidth, kLockHeight}) EXPECT_TRUE(page.Checked(box)) << box;
  EXPECT_FALSE(page.Checked(kLockRight));
  page.Click(kLockRight);
  EXPECT_FALSE(page.Checked(kLockRight)) << "Left and Width are set: Right would be the third";
  page.Click(kLockHeight);
  page.Click(kLockBottom);
  EXPECT_TRUE(page.Checked(kLockBottom));
  page.Keep("ambrelo-page-scalecontrols");
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  LONG n = EntryOf(L"cmdOk");
  ASSERT_GT(n, 0);
  EXPECT_EQ(Entry(L"ControlFlagDontScaleControl", n), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleRight", n), L"False");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleHeight", n), L"False");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleBottom", n), L"True");

  // Clearing the last lock includes the control again a moment later.
  for (int box : {kLockLeft, kLockTop, kLockWidth, kLockBottom}) page.Click(box);
  EXPECT_EQ(ListView_GetCheckState(page.Item(kList), page.ItemOf(L"cmdOk")), 1u) << "not at once";
  Pump(400);
  EXPECT_EQ(ListView_GetCheckState(page.Item(kList), page.ItemOf(L"cmdOk")), 0u);
  EXPECT_FALSE(IsWindowEnabled(page.Item(kLockLeft)));
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(Entry(L"ControlFlagDontScaleControl", n), L"False");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleBottom", n), L"False");
}

TEST_F(PagesOnForm, ALineOfLocksNamesItsAxis) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  page.ClickCheckOf(L"txtName");
  EXPECT_EQ(page.Text(kLockLeft), L"Lock Left");
  EXPECT_EQ(page.Text(kControlType), L"TextBox");
}

}  // namespace
}  // namespace ambtest

namespace ambtest {
namespace {

HWND g_shownFrame = nullptr;
std::vector<std::wstring> g_tabs;  // the frame's tab captions, read while it is up

BOOL CALLBACK FindFrame(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring(name) != L"#32770") return TRUE;
  g_shownFrame = window;
  return FALSE;
}

// Once the modal frame is up: its picture is kept, then it is closed as Cancel would.
void CALLBACK CloseFrame(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &FindFrame, 0);
  if (!g_shownFrame) return;
  KillTimer(nullptr, timer);
  if (HWND tabs = FindWindowExW(g_shownFrame, nullptr, WC_TABCONTROLW, nullptr)) {
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
      wchar_t caption[64] = {};
      TCITEMW item{TCIF_TEXT};
      item.pszText = caption;
      item.cchTextMax = 64;
      SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      g_tabs.push_back(caption);
    }
  }
  EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(g_shownFrame), TARNWICK_ARTIFACT_DIR, "ambrelo-property-frame"));
  PostMessageW(g_shownFrame, WM_COMMAND, IDCANCEL, 0);
}

// The system's own property frame shows the control's pages, the General page first.
TEST(PropertyFrame, ShowsThePagesOfTheControl) {
  rt::ComPtr<IDispatch> control = CreateControl();
  rt::ComPtr<ISpecifyPropertyPages> specify;
  ASSERT_HRESULT_SUCCEEDED(control.As(specify));
  CAUUID pages{};
  ASSERT_HRESULT_SUCCEEDED(specify->GetPages(&pages));
  UINT_PTR timer = SetTimer(nullptr, 0, 500, &CloseFrame);
  IUnknown* objects[] = {control.get()};
  HRESULT hr = OleCreatePropertyFrame(nullptr, 10, 10, L"Ambrelo", 1, objects, pages.cElems, pages.pElems,
                                      LOCALE_USER_DEFAULT, 0, nullptr);
  KillTimer(nullptr, timer);
  CoTaskMemFree(pages.pElems);
  EXPECT_HRESULT_SUCCEEDED(hr);
  ASSERT_TRUE(g_shownFrame) << "the frame was shown";
  std::vector<std::wstring> ours;
  for (const std::wstring& tab : g_tabs)
    if (tab.rfind(L"Scale", 0) == 0 || tab == L"General" || tab == L"ReplaceFontsWith" || tab == L"FormEffects")
      ours.push_back(tab);
  EXPECT_EQ(ours, (std::vector<std::wstring>{L"General", L"ScaleBorders", L"ScaleControls", L"ScaleFonts",
                                             L"ScaleGraphics", L"ReplaceFontsWith", L"FormEffects"}));
}

}  // namespace
}  // namespace ambtest
