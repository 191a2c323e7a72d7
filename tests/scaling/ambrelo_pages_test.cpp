// Ambrelo's property pages as a property frame drives them: created through the registered DLL,
// given a control, activated into a window, edited by messages to their boxes, then applied; what
// they wrote is read back from the control by name.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ocidl.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "automation_client.h"
#include "com_object.h"
#include "com_fakes.h"
#include "control_fixture.h"
#include "form.h"
#include "message_loop.h"
#include "ole/form_model.h"
#include "ole/object_model_types.h"
#include "pages/exclusion_page.h"
#include "pages/form_effects_page.h"
#include "pages/general_page.h"
#include "pages/replace_fonts_page.h"
#include "pages/scale_controls_page.h"
#include "text_encoding.h"
#include "window_picture.h"

namespace ambtest {
namespace {

using namespace amb::pages;

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
    if (flags & PROPPAGESTATUS_CLEAN) ++cleanReports;
    return S_OK;
  }
  IFACEMETHODIMP GetLocaleID(LCID* out) override { return *out = lcid, S_OK; }
  IFACEMETHODIMP GetPageContainer(IUnknown** out) override { return *out = nullptr, E_NOTIMPL; }
  IFACEMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
  int dirtyReports = 0;
  int cleanReports = 0;
  LCID lcid = LOCALE_USER_DEFAULT;  // the frame's locale for the page
};

// A page created through its class factory and activated into a window of the test.
class OpenPage {
 public:
  OpenPage(const CLSID& clsid, std::vector<IUnknown*> selection, LCID lcid = LOCALE_USER_DEFAULT)
      : OpenPage(Created(clsid), std::move(selection), lcid) {}
  // A page object made by the test itself.
  OpenPage(rt::ComPtr<IPropertyPage> made, std::vector<IUnknown*> selection, LCID lcid = LOCALE_USER_DEFAULT)
      : page(std::move(made)) {
    site.lcid = lcid;
    frame_ = CreateWindowExW(0, L"STATIC", L"frame", WS_POPUP | WS_VISIBLE, 40, 40, 520, 300, nullptr, nullptr,
                             nullptr, nullptr);
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
  static rt::ComPtr<IPropertyPage> Created(const CLSID& clsid) {
    rt::ComPtr<IPropertyPage> made;
    EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage, made.put_void()));
    return made;
  }
  // The frame takes the page's window away and gives it a new one.
  void Reactivate() {
    ASSERT_HRESULT_SUCCEEDED(page->Deactivate());
    RECT r{0, 0, 500, 280};
    ASSERT_HRESULT_SUCCEEDED(page->Activate(frame_, &r, TRUE));
    window = GetWindow(frame_, GW_CHILD);
  }
  // A control of the page; the banner's text sits inside the white strip.
  HWND Item(int id) const {
    HWND item = GetDlgItem(window, id);
    return item ? item : GetDlgItem(GetDlgItem(window, kPicture1), id);
  }
  bool Dirty() const { return page->IsPageDirty() == S_OK; }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Type(int id, const wchar_t* text) { SetWindowTextW(Item(id), text); }
  std::wstring Text(int id) { return TextOf(Item(id)); }
  std::wstring TextOf(HWND item) {
    wchar_t text[512] = {};
    GetWindowTextW(item, text, 512);
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
  // Mouse clicks on the list, as the mouse gives them to it: on an item's check box, on its text,
  // and below the last item.
  void ClickBoxOf(const wchar_t* key) { ClickList(BoxOf(ItemOf(key))); }
  void ClickTextOf(const wchar_t* key) {
    RECT label{};
    ListView_GetItemRect(Item(kList), ItemOf(key), &label, LVIR_LABEL);
    ClickList({label.left + 4, (label.top + label.bottom) / 2});
  }
  void ClickBlank() {
    RECT list{};
    GetClientRect(Item(kList), &list);
    ClickList({list.right / 2, list.bottom - 4});
  }
  POINT BoxOf(int item) {
    RECT row{};
    ListView_GetItemRect(Item(kList), item, &row, LVIR_BOUNDS);
    for (LONG x = row.left; x < row.right; ++x) {
      LVHITTESTINFO hit{{x, (row.top + row.bottom) / 2}};
      if (ListView_HitTest(Item(kList), &hit) == item && (hit.flags & LVHT_ONITEMSTATEICON)) return hit.pt;
    }
    ADD_FAILURE() << "no check box on item " << item;
    return {};
  }
  void ClickList(POINT at) {
    LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(Item(kList), WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(Item(kList), WM_LBUTTONUP, 0, where);
  }
  bool IsChecked(const wchar_t* key) { return ListView_GetCheckState(Item(kList), ItemOf(key)) != 0; }
  int Current() { return ListView_GetNextItem(Item(kList), -1, LVNI_SELECTED); }
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

// A number box takes what the platform's numeric test takes; what the test refuses is cleaned to
// "0".
TEST(GeneralPage, NumberBoxesTakeWhatThePlatformTakesAsANumber) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_General, {control.get()});
  ASSERT_TRUE(page.window);
  struct Case {
    const wchar_t* typed;
    const wchar_t* written;
  } cases[] = {{L"&H10", L"16"}, {L"5-", L"-5"}, {L"(3)", L"-3"}, {L" 7 ", L"7"}, {L"abc", L"0"}, {L"", L"0"}};
  for (const Case& c : cases) {
    page.Type(kTxtMdiChildWidth, c.typed);
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply()) << c.typed;
    EXPECT_EQ(TextProperty(control.get(), L"MdiChildWidth"), c.written) << c.typed;
  }
}

// The frame gives the page a locale other than the user's (German here, English the user's): the
// page reads the numbers in the frame's, and the control stores what the page read, never a text
// it would read again in the user's ("1,5" read as 15).
TEST(GeneralPage, NumbersAreReadInTheFramesLocaleOnly) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_General, {control.get()}, MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
  ASSERT_TRUE(page.window);
  page.Type(kTxtMinWidth, L"1,5");
  page.Type(kTxtScaleX, L"20,4");
  page.Type(kTxtMaxWidth, L"3.000");  // a German thousands separator
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(TextProperty(control.get(), L"MinWidth"), L"2") << "1.5, rounded half to even";
  EXPECT_EQ(TextProperty(control.get(), L"ScaleX"), L"20");
  EXPECT_EQ(TextProperty(control.get(), L"MaxWidth"), L"3000");
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

std::wstring ThreadErrorText() {
  rt::ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return L"";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring out = text ? text : L"";
  SysFreeString(text);
  return out;
}

// A number its property cannot hold refuses the whole apply before any write, and says which
// property and why in words; the page stays changed.
TEST(GeneralPage, ARefusedApplyChangesNothingAndNamesThePropertyAndWhy) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_General, {control.get()});
  ASSERT_TRUE(page.window);
  struct Case {
    int box;
    const wchar_t* typed;
    const wchar_t* text;
  } cases[] = {{kTxtScaleX, L"99999", L"ScaleX: Overflow"},
               {kTxtScaleY, L"-40000", L"ScaleY: Overflow"},
               {kTxtMaxHeight, L"3000000000", L"MaxHeight: Overflow"}};
  for (const Case& c : cases) {
    page.Type(kTxtWindowName, L"Edited");
    page.Type(c.box, c.typed);
    page.Type(kTxtMinWidth, L"77");
    EXPECT_FALSE(SUCCEEDED(page.page->Apply())) << c.text;
    EXPECT_EQ(ThreadErrorText(), c.text);
    EXPECT_TRUE(page.Dirty());
    EXPECT_EQ(TextProperty(control.get(), L"WindowName"), L"") << "written first, had the apply gone ahead";
    EXPECT_EQ(TextProperty(control.get(), L"MinWidth"), L"0");
    page.Type(c.box, L"0");
  }
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

// Under a comma-decimal locale (German, the frame's locale for this page only) a stored 2.5 shows
// as "2,5", a typed "1,5" is stored as 1.5, and an unrelated edit keeps both: the times reach the
// control as numbers. A lone "." starts a fraction there too.
TEST(FormEffectsPage, KeepsFractionalTimesUnderACommaDecimalLocale) {
  rt::ComPtr<IDispatch> control = CreateControl();
  ASSERT_TRUE(test::LatePut(control.get(), L"FormOpenTime", test::VarDouble(2.5)).ok());
  OpenPage page(CLSID_FormEffects, {control.get()}, MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.Text(kTxtFormOpenTime), L"2,5");
  page.Type(kTxtFormCloseTime, L",");
  EXPECT_EQ(page.Text(kTxtFormCloseTime), L"0,");
  page.Type(kTxtFormCloseTime, L".");  // the key of the number pad's separator
  EXPECT_EQ(page.Text(kTxtFormCloseTime), L"0,");
  page.Type(kTxtFormCloseTime, L"1,5");
  EXPECT_EQ(page.Text(kTxtFormCloseTime), L"1,5");
  page.Choose(kCmbFormOpen, 3);
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(test::NumberOf(test::LateGet(control.get(), L"FormOpenTime")), 2.5);
  EXPECT_EQ(test::NumberOf(test::LateGet(control.get(), L"FormCloseTime")), 1.5);
  EXPECT_EQ(TextProperty(control.get(), L"FormOpen"), L"3");
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

// The orders in which a frame may change the selection after an edit: it lets go of it first or
// not, and then selects the control the edit was made for (alone or behind another) or another.
struct SelectionOrder {
  const char* name;
  bool emptyFirst;  // SetObjects(0) comes first
  bool withOther;   // the new selection holds another control, first
  bool withOwn;     // the new selection holds the edited control
};
constexpr SelectionOrder kSelectionOrders[] = {{"nothing, then the other", true, true, false},
                                               {"the other at once", false, true, false},
                                               {"nothing, then the same", true, false, true},
                                               {"the other, with the same behind it", false, true, true}};
// The edit stays only while its control never left the selection.
bool KeepsEdit(const SelectionOrder& order) { return order.withOwn && !order.emptyFirst; }

ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

// Sets the selection of an edited page as the order does; `own` is the edited control, which had
// `ownReferences` references before the page got it.
void SelectInOrder(OpenPage& page, const SelectionOrder& order, IUnknown* own, IUnknown* other, ULONG ownReferences) {
  if (order.emptyFirst) {
    ASSERT_HRESULT_SUCCEEDED(page.page->SetObjects(0, nullptr));
    EXPECT_EQ(References(own), ownReferences) << "the page holds nothing of the control it let go";
    EXPECT_FALSE(page.Dirty()) << "the edit left with its control";
    EXPECT_EQ(page.site.cleanReports, 1) << "and the frame was told";
    EXPECT_HRESULT_SUCCEEDED(page.page->Apply()) << "nothing to store";
  }
  std::vector<IUnknown*> next;
  if (order.withOther) next.push_back(other);
  if (order.withOwn) next.push_back(own);
  ASSERT_HRESULT_SUCCEEDED(page.page->SetObjects(static_cast<ULONG>(next.size()), next.data()));
  EXPECT_EQ(page.Dirty(), KeepsEdit(order));
  EXPECT_EQ(page.site.cleanReports, KeepsEdit(order) ? 0 : 1);
}

// An edit of a page that shows values, and what it should store; a later round picks another value.
struct ValueEdit {
  const CLSID* clsid;
  const wchar_t* property;
  std::function<std::wstring(OpenPage&, int)> edit;
};
std::vector<ValueEdit> ValueEdits() {
  return {
      {&CLSID_General, L"WindowName",
       [](OpenPage& p, int round) {
         std::wstring name = L"Edited " + std::to_wstring(round);
         p.Type(kTxtWindowName, name.c_str());
         return name;
       }},
      {&CLSID_FormEffects, L"FormOpen",
       [](OpenPage& p, int round) {
         p.Choose(kCmbFormOpen, 3 + round);
         return std::to_wstring(3 + round);
       }},
      {&CLSID_ReplaceFontsWith, L"ReplaceFontsWith",
       [](OpenPage& p, int round) {
         HWND list = p.Item(kFontList);
         int pick = (FontEntry(list, 0) == L"<none>" ? 1 : 0) + round;
         SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(pick), 0);
         SendMessageW(p.window, WM_COMMAND, MAKEWPARAM(kFontList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
         return FontEntry(list, pick);
       }},
  };
}

// An edit belongs to the control it was made for, whatever the frame's order of calls: while that
// control is selected an apply stores it there; a selection without it (the empty one too) drops
// the edit and the page loads from the new selection. No control's values change but by an apply
// of its own page, the ones not edited included.
TEST(PropertyPages, AnEditIsStoredOnlyInTheControlItWasMadeFor) {
  for (const ValueEdit& c : ValueEdits()) {
    for (const SelectionOrder& order : kSelectionOrders) {
      rt::ComPtr<IDispatch> own = CreateControl(), other = CreateControl();
      ASSERT_TRUE(test::LatePut(other.get(), L"ScaleY", test::VarLong(40)).ok());
      const ULONG ownReferences = References(own.get());
      OpenPage page(*c.clsid, {own.get()});
      ASSERT_TRUE(page.window);
      SCOPED_TRACE(rt::Utf8FromWide(page.title) + ", " + order.name);
      const std::wstring ownBefore = TextProperty(own.get(), c.property);
      const std::wstring otherBefore = TextProperty(other.get(), c.property);
      std::wstring edited = c.edit(page, 0);
      ASSERT_TRUE(page.Dirty());
      SelectInOrder(page, order, own.get(), other.get(), ownReferences);
      ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
      EXPECT_EQ(TextProperty(own.get(), c.property), KeepsEdit(order) ? edited : ownBefore);
      EXPECT_EQ(TextProperty(other.get(), c.property), otherBefore);
      EXPECT_EQ(TextProperty(other.get(), L"ScaleY"), L"40");
      if (KeepsEdit(order)) continue;
      IDispatch* loaded = order.withOther ? other.get() : own.get();
      IDispatch* left = order.withOther ? own.get() : other.get();
      const std::wstring leftBefore = order.withOther ? ownBefore : otherBefore;
      if (c.clsid == &CLSID_General) {
        EXPECT_EQ(page.Text(kTxtScaleY), TextProperty(loaded, L"ScaleY")) << "loaded from the new selection";
      }
      edited = c.edit(page, 1);
      ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
      EXPECT_EQ(TextProperty(loaded, c.property), edited);
      EXPECT_EQ(TextProperty(left, c.property), leftBefore);
      EXPECT_EQ(TextProperty(other.get(), L"ScaleY"), L"40");
    }
  }
}

// A frame may apply a page whose window it took away: the page stores what its boxes held when the
// window went, and every value nobody edited stays as it was.
TEST(PropertyPages, AnApplyWithoutTheWindowStoresWhatTheBoxesHeld) {
  const wchar_t* untouched[] = {L"ScaleY", L"ScaleFonts", L"MinWidth", L"GradientSource", L"FormClose",
                                L"FormOpenTime", L"ReplaceFontsWith"};
  for (const ValueEdit& c : ValueEdits()) {
    rt::ComPtr<IDispatch> control = CreateControl();
    ASSERT_TRUE(test::LatePut(control.get(), L"ScaleY", test::VarLong(40)).ok());
    std::vector<std::wstring> before;
    for (const wchar_t* property : untouched) before.push_back(TextProperty(control.get(), property));
    OpenPage page(*c.clsid, {control.get()});
    ASSERT_TRUE(page.window);
    SCOPED_TRACE(rt::Utf8FromWide(page.title));
    std::wstring edited = c.edit(page, 0);
    ASSERT_HRESULT_SUCCEEDED(page.page->Deactivate());
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
    EXPECT_FALSE(page.Dirty());
    EXPECT_EQ(TextProperty(control.get(), c.property), edited);
    for (size_t i = 0; i < std::size(untouched); ++i) {
      if (untouched[i] == std::wstring(c.property)) continue;
      EXPECT_EQ(TextProperty(control.get(), untouched[i]), before[i]) << untouched[i];
    }
  }
}

int CALLBACK CountFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
  std::wstring name = font->lfFaceName;
  CharLowerW(name.data());
  reinterpret_cast<std::set<std::wstring>*>(families)->insert(name);
  return 1;
}

// The system reports a family once per character set; the list shows each family once.
TEST(ReplaceFontsWithPage, ListsEachInstalledFamilyOnce) {
  rt::ComPtr<IDispatch> control = CreateControl();
  OpenPage page(CLSID_ReplaceFontsWith, {control.get()});
  ASSERT_TRUE(page.window);
  HWND list = page.Item(kFontList);
  std::set<std::wstring> families;
  HDC dc = GetDC(list);
  EnumFontFamiliesW(dc, nullptr, &CountFamily, reinterpret_cast<LPARAM>(&families));
  ReleaseDC(list, dc);
  std::set<std::wstring> shown;
  int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring entry = FontEntry(list, i);
    CharLowerW(entry.data());
    EXPECT_TRUE(shown.insert(entry).second) << "twice: " << rt::Utf8FromWide(entry);
  }
  families.insert(L"<none>");
  EXPECT_EQ(shown, families);
}

// What a designer may ask of any page object: its default dispatch interface, described by the
// control's type library.
TEST(PropertyPages, EachAnswersForItsDispatchInterface) {
  struct Page {
    const CLSID* clsid;
    const IID* iid;
    const wchar_t* name;
  } pages[] = {{&CLSID_General, &IID__General, L"_General"},
               {&CLSID_ScaleBorders, &IID__ScaleBorders, L"_ScaleBorders"},
               {&CLSID_ScaleControls, &IID__ScaleControls, L"_ScaleControls"},
               {&CLSID_ScaleFonts, &IID__ScaleFonts, L"_ScaleFonts"},
               {&CLSID_ScaleGraphics, &IID__ScaleGraphics, L"_ScaleGraphics"},
               {&CLSID_ReplaceFontsWith, &IID__ReplaceFontsWith, L"_ReplaceFontsWith"},
               {&CLSID_FormEffects, &IID__FormEffects, L"_FormEffects"}};
  for (const Page& p : pages) {
    rt::ComPtr<IUnknown> page;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(*p.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, page.put_void()));
    rt::ComPtr<IDispatch> own, plain;
    ASSERT_HRESULT_SUCCEEDED(page->QueryInterface(*p.iid, own.put_void())) << rt::Utf8FromWide(p.name);
    ASSERT_HRESULT_SUCCEEDED(page->QueryInterface(IID_IDispatch, plain.put_void())) << rt::Utf8FromWide(p.name);
    EXPECT_EQ(own.get(), plain.get());
    rt::ComPtr<ITypeInfo> info;
    ASSERT_HRESULT_SUCCEEDED(own->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()));
    BSTR name = nullptr;
    ASSERT_HRESULT_SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr));
    std::unique_ptr<OLECHAR, decltype(&SysFreeString)> owned(name, &SysFreeString);
    EXPECT_STREQ(owned.get(), p.name);
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Anything")};
    DISPID id = 0;
    EXPECT_EQ(own->GetIDsOfNames(IID_IUnknown, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNINTERFACE)
        << "the reserved argument must be IID_NULL";
  }
}

RECT TwipsOf(HWND item, HWND page) {
  RECT r{};
  GetWindowRect(item, &r);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  auto twips = [dpi](LONG pixels) { return static_cast<LONG>(MulDiv(pixels, 1440, dpi)); };
  return {twips(r.left), twips(r.top), twips(r.right), twips(r.bottom)};
}

// The exclusion pages' white strip and the FormEffects page's bold labels, as designed.
TEST(PropertyPages, BannerStripAndLabelsAsDesigned) {
  rt::ComPtr<IDispatch> control = CreateControl();
  struct Strip {
    const CLSID* clsid;
    LONG right;  // twips
  } strips[] = {{&CLSID_ScaleBorders, 6915}, {&CLSID_ScaleFonts, 6300}, {&CLSID_ScaleGraphics, 6285},
                {&CLSID_ScaleControls, 6165}};
  for (const Strip& strip : strips) {
    OpenPage page(*strip.clsid, {control.get()});
    ASSERT_TRUE(page.window);
    HWND picture = GetDlgItem(page.window, kPicture1);
    ASSERT_TRUE(picture);
    RECT r = TwipsOf(picture, page.window);
    EXPECT_NEAR(r.left, 600, 15) << rt::Utf8FromWide(page.title);
    EXPECT_NEAR(r.right, strip.right, 15) << rt::Utf8FromWide(page.title);
    EXPECT_NEAR(r.bottom, 375, 15) << rt::Utf8FromWide(page.title);
    EXPECT_EQ(GetParent(page.Item(kBanner)), picture) << "the banner's text sits in the strip";
  }
  OpenPage effects(CLSID_FormEffects, {control.get()});
  ASSERT_TRUE(effects.window);
  HDC screen = GetDC(nullptr);
  LONG height = -MulDiv(825, GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  for (const wchar_t* caption : {L"Form Open", L"Form Close Time", L"Secs"}) {
    HWND label = FindWindowExW(effects.window, nullptr, L"Static", caption);
    ASSERT_TRUE(label) << rt::Utf8FromWide(caption);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, height);
  }
}

// A form of our runtime holding Ambrelo: the pages list its controls through FormControls.
constexpr rt::ControlDesign kControls[] = {
    {.name = "lblTitle", .kind = rt::ControlKind::Label, .left = 120, .top = 120, .width = 2400, .height = 300,
     .caption = "Scaled"},
    {.name = "cmdOk", .kind = rt::ControlKind::CommandButton, .left = 120, .top = 600, .width = 1200,
     .height = 400, .caption = "OK"},
    {.name = "txtName", .kind = rt::ControlKind::TextBox, .left = 120, .top = 1200, .width = 1200, .height = 300},
    {.name = "picLogo", .kind = rt::ControlKind::PictureBox, .left = 1800, .top = 600, .width = 900, .height = 900},
    {.name = "imgMark", .kind = rt::ControlKind::Image, .left = 1800, .top = 1800, .width = 480, .height = 480},
    {.name = "Ambrelo1", .kind = rt::ControlKind::OleControl, .left = 4000, .top = 120, .width = 480,
     .height = 480, .classId = "AmbreloControl.Ambrelo"},
};

class PagesForm : public rt::Form {
 public:
  explicit PagesForm(std::string name = "frmPages") : rt::Form(std::move(name)) {}

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
  using StoredEntries = std::vector<std::pair<const wchar_t*, std::vector<const wchar_t*>>>;
  void Store(StoredEntries entries) { Store(ambrelo, std::move(entries)); }
  static void Store(IDispatch* on, StoredEntries entries) {
    ASSERT_TRUE(test::LatePut(on, L"ControlFlagCount", test::VarLong(static_cast<LONG>(entries.size()))).ok());
    for (size_t i = 0; i < entries.size(); ++i) {
      LONG n = static_cast<LONG>(i + 1);
      VARIANT key;
      V_VT(&key) = VT_BSTR;
      V_BSTR(&key) = SysAllocString(entries[i].first);
      ASSERT_TRUE(test::LateInvoke(on, L"ControlFlagControlKey", DISPATCH_PROPERTYPUT,
                                   {test::VarLong(n), key}).ok());
      for (const wchar_t* flag : entries[i].second)
        ASSERT_TRUE(test::LateInvoke(on, flag, DISPATCH_PROPERTYPUT, {test::VarLong(n), test::VarBool(true)}).ok());
    }
  }
  std::wstring Entry(const wchar_t* property, LONG n, IDispatch* on = nullptr) {
    return TextProperty(on ? on : ambrelo, property, {test::VarLong(n)});
  }
  // The entry number of a key in the stored list, 0 when it is not there.
  LONG EntryOf(const wchar_t* key, IDispatch* on = nullptr) {
    LONG count = static_cast<LONG>(test::NumberOf(test::LateGet(on ? on : ambrelo, L"ControlFlagCount")));
    for (LONG n = 1; n <= count; ++n)
      if (Entry(L"ControlFlagControlKey", n, on) == key) return n;
    return 0;
  }
  // The whole stored flag list, an entry a line: its key and every flag.
  std::vector<std::wstring> StoredList(IDispatch* on) {
    static const wchar_t* const kFlags[] = {
        L"ControlFlagDontScaleControl", L"ControlFlagDontScaleFont",  L"ControlFlagDontScaleBorder",
        L"ControlFlagDontScaleGraphic", L"ControlFlagDontScaleLeft",  L"ControlFlagDontScaleTop",
        L"ControlFlagDontScaleWidth",   L"ControlFlagDontScaleHeight", L"ControlFlagDontScaleRight",
        L"ControlFlagDontScaleBottom"};
    std::vector<std::wstring> list;
    LONG count = static_cast<LONG>(test::NumberOf(test::LateGet(on, L"ControlFlagCount")));
    for (LONG n = 1; n <= count; ++n) {
      std::wstring entry = Entry(L"ControlFlagControlKey", n, on);
      for (const wchar_t* flag : kFlags) entry += L" " + Entry(flag, n, on);
      list.push_back(entry);
    }
    return list;
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
  EXPECT_EQ(items, (std::vector<std::wstring>{L"[ ]cmdOk", L"[ ]lblTitle", L"[ ]picLogo", L"[x]txtName"}))
      << "sorted, by the probe";
  EXPECT_EQ(Entry(L"ControlFlagControlKey", 1), L"") << "a gone control's entry is blanked at once";
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", 1), L"False");
  EXPECT_FALSE(page.Dirty());

  page.ClickBoxOf(L"cmdOk");
  EXPECT_TRUE(page.Dirty());
  EXPECT_EQ(page.Text(kControlType), L"CommandButton");
  page.Keep("ambrelo-page-scalefonts");
  page.Reactivate();
  EXPECT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[x]cmdOk", L"[ ]lblTitle", L"[ ]picLogo", L"[x]txtName"}));
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

// Select All and Select None change checks of items that are not current: each still marks the
// page changed, and the apply stores them.
TEST_F(PagesOnForm, SelectAllAndNoneMarkThePageChangedAndAreStored) {
  for (const CLSID* clsid : {&CLSID_ScaleGraphics, &CLSID_ScaleFonts}) {
    OpenPage page(*clsid, {ambrelo});
    ASSERT_TRUE(page.window);
    const wchar_t* flag = clsid == &CLSID_ScaleGraphics ? L"ControlFlagDontScaleGraphic" : L"ControlFlagDontScaleFont";
    ASSERT_GE(page.ListItems().size(), 1u) << rt::Utf8FromWide(page.title);
    page.Click(kSelectAll);
    for (const std::wstring& item : page.ListItems()) EXPECT_EQ(item.substr(0, 3), L"[x]") << rt::Utf8FromWide(item);
    EXPECT_TRUE(page.Dirty());
    if (clsid == &CLSID_ScaleGraphics) page.Keep("ambrelo-page-scalegraphics");
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
    EXPECT_EQ(Entry(flag, EntryOf(L"picLogo")), L"True");
    page.Click(kSelectNone);
    for (const std::wstring& item : page.ListItems()) EXPECT_EQ(item.substr(0, 3), L"[ ]") << rt::Utf8FromWide(item);
    EXPECT_TRUE(page.Dirty());
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
    EXPECT_EQ(Entry(flag, EntryOf(L"picLogo")), L"False");
  }
}

// The pages of one sheet, edited and then applied one after the other as the frame does it.
TEST_F(PagesOnForm, PagesOfOneSheetKeepEveryEdit) {
  OpenPage controls(CLSID_ScaleControls, {ambrelo}), fonts(CLSID_ScaleFonts, {ambrelo}),
      graphics(CLSID_ScaleGraphics, {ambrelo});
  ASSERT_TRUE(controls.window && fonts.window && graphics.window);
  controls.ClickBoxOf(L"txtName");
  fonts.ClickBoxOf(L"cmdOk");
  graphics.ClickBoxOf(L"imgMark");
  for (OpenPage* page : {&controls, &fonts, &graphics}) ASSERT_HRESULT_SUCCEEDED(page->page->Apply());
  LONG txtName = EntryOf(L"txtName");
  ASSERT_GT(txtName, 0);
  EXPECT_EQ(Entry(L"ControlFlagDontScaleControl", txtName), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleLeft", txtName), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", EntryOf(L"cmdOk")), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleGraphic", EntryOf(L"imgMark")), L"True");
}

// The scale-controls page's pending inclusion happens now rather than a moment later: its tick was
// set, and is delivered at once.
void TickNow(OpenPage& page) {
  ASSERT_TRUE(KillTimer(page.window, kDeselectTimer)) << "a tick is pending";
  SendMessageW(page.window, WM_TIMER, kDeselectTimer, 0);
}

TEST_F(PagesOnForm, ScaleControlsLocksFollowTheItemAndRefuseAThirdPerAxis) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(page.Text(kBanner), L"ScaleControls = True (Set on General Tab) ");
  ASSERT_GE(page.ItemOf(L"cmdOk"), 0) << page.ListItems().size() << " " << ListView_GetItemCount(page.Item(kList));
  EXPECT_FALSE(IsWindowEnabled(page.Item(kLockLeft))) << "item 0 is current and included";
  ASSERT_NE(page.Current(), page.ItemOf(L"cmdOk"));

  page.ClickBoxOf(L"cmdOk");
  EXPECT_EQ(page.Current(), page.ItemOf(L"cmdOk")) << "a click on an item's box makes it current";
  EXPECT_EQ(page.Text(kControlType), L"CommandButton");
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
  TickNow(page);
  EXPECT_EQ(ListView_GetCheckState(page.Item(kList), page.ItemOf(L"cmdOk")), 0u);
  EXPECT_FALSE(IsWindowEnabled(page.Item(kLockLeft)));
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(Entry(L"ControlFlagDontScaleControl", n), L"False");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleBottom", n), L"False");
}

// A click on the list's blank area leaves the current item current: the lock boxes it shows are
// the ones the apply stores.
TEST_F(PagesOnForm, LockEditsAfterAClickOnTheBlankAreaAreStored) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  page.ClickTextOf(L"cmdOk");
  page.ClickBoxOf(L"cmdOk");
  page.ClickBlank();
  EXPECT_EQ(page.Current(), page.ItemOf(L"cmdOk"));
  ASSERT_TRUE(IsWindowEnabled(page.Item(kLockLeft)));
  page.Click(kLockLeft);
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  LONG n = EntryOf(L"cmdOk");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleControl", n), L"True");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleLeft", n), L"False");
  EXPECT_EQ(Entry(L"ControlFlagDontScaleTop", n), L"True");
}

// Clearing the last lock includes the item again 100 ms later, unless a click on the list comes
// first, also one on the current item; and no check is made once the page has no window.
TEST_F(PagesOnForm, AClickOnTheListCancelsThePendingInclusion) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  page.ClickBoxOf(L"cmdOk");
  ASSERT_EQ(page.Current(), page.ItemOf(L"cmdOk"));
  for (int box : {kLockLeft, kLockTop, kLockWidth, kLockHeight}) page.Click(box);
  for (int box : {kLockLeft, kLockTop, kLockWidth, kLockHeight}) ASSERT_FALSE(page.Checked(box));
  page.ClickTextOf(L"cmdOk");
  EXPECT_FALSE(KillTimer(page.window, kDeselectTimer)) << "no tick pending after the click on the current item";
  EXPECT_TRUE(page.IsChecked(L"cmdOk"));

  page.Click(kLockTop);
  page.Click(kLockTop);
  page.Reactivate();
  EXPECT_FALSE(KillTimer(page.window, kDeselectTimer)) << "no tick once the window is gone";
  EXPECT_TRUE(page.IsChecked(L"cmdOk"));
}

const CLSID* const kListPages[] = {&CLSID_ScaleBorders, &CLSID_ScaleFonts, &CLSID_ScaleGraphics, &CLSID_ScaleControls};

// The list pages that list a control of the form (our forms have no control with a border width),
// with that control and the page's own flag.
struct ListedOnPage {
  const CLSID* clsid;
  const wchar_t* key;
  const wchar_t* flag;
};
const ListedOnPage kListedOnPages[] = {{&CLSID_ScaleFonts, L"cmdOk", L"ControlFlagDontScaleFont"},
                                       {&CLSID_ScaleGraphics, L"picLogo", L"ControlFlagDontScaleGraphic"},
                                       {&CLSID_ScaleControls, L"cmdOk", L"ControlFlagDontScaleControl"}};

void PressSpace(HWND window) {
  SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(window, WM_KEYUP, VK_SPACE, 0);
}

// The space bar toggles the current item's check, as a click on its box does; on the
// ScaleControls page that excludes the control with its place and size locked.
TEST_F(PagesOnForm, TheSpaceBarTogglesTheCurrentItem) {
  struct Case {
    const CLSID* clsid;
    std::vector<const wchar_t*> stored;  // the flags the space bar sets
  } cases[] = {{&CLSID_ScaleFonts, {L"ControlFlagDontScaleFont"}},
               {&CLSID_ScaleControls, {L"ControlFlagDontScaleControl", L"ControlFlagDontScaleLeft",
                                       L"ControlFlagDontScaleHeight"}}};
  for (const Case& c : cases) {
    OpenPage page(*c.clsid, {ambrelo});
    ASSERT_TRUE(page.window);
    page.ClickTextOf(L"lblTitle");
    ASSERT_EQ(GetFocus(), page.Item(kList));
    PressSpace(GetFocus());
    EXPECT_TRUE(page.IsChecked(L"lblTitle")) << rt::Utf8FromWide(page.title);
    EXPECT_TRUE(page.Dirty());
    if (c.clsid == &CLSID_ScaleControls) {
      EXPECT_TRUE(IsWindowEnabled(page.Item(kLockLeft)));
      EXPECT_TRUE(page.Checked(kLockLeft) && page.Checked(kLockHeight) && !page.Checked(kLockRight));
    }
    ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
    for (const wchar_t* flag : c.stored)
      EXPECT_EQ(Entry(flag, EntryOf(L"lblTitle")), L"True") << rt::Utf8FromWide(flag);
  }
}

// Clearing the last lock includes the item again and disables the boxes, one of which has the
// keyboard: it goes to the list first, where the space bar excludes the item once more.
TEST_F(PagesOnForm, ClearingTheLastLockLeavesTheKeyboardOnTheList) {
  OpenPage page(CLSID_ScaleControls, {ambrelo});
  ASSERT_TRUE(page.window);
  page.ClickBoxOf(L"cmdOk");
  for (int box : {kLockLeft, kLockTop, kLockWidth, kLockHeight}) page.Click(box);
  SetFocus(page.Item(kLockHeight));
  ASSERT_EQ(GetFocus(), page.Item(kLockHeight));
  rt::ComPtr<_ScaleControls> own;
  ASSERT_HRESULT_SUCCEEDED(page.page.As(own));
  ASSERT_HRESULT_SUCCEEDED(own->CheckIfAllDeselected()) << "what the timer runs 100 ms later";
  ASSERT_FALSE(page.IsChecked(L"cmdOk"));
  ASSERT_FALSE(IsWindowEnabled(page.Item(kLockHeight)));
  EXPECT_EQ(GetFocus(), page.Item(kList));
  if (HWND focus = GetFocus()) PressSpace(focus);
  EXPECT_TRUE(page.IsChecked(L"cmdOk"));
}

// A second form with a control of its own, whose stored list differs from the first one's.
class PagesOnTwoForms : public PagesOnForm {
 protected:
  void SetUp() override {
    PagesOnForm::SetUp();
    other_.Show();
    other = other_.ObjectModel()->ObjectOf(*other_.FindControl("Ambrelo1"));
    ASSERT_TRUE(other);
  }
  void TearDown() override {
    other_.Unload();
    PagesOnForm::TearDown();
  }

  PagesForm other_{"frmOther"};
  IDispatch* other = nullptr;
};

// An edit on a list page belongs to the control it was made for, whatever the frame's order of
// calls: while that control is selected an apply stores it there; a selection without it drops the
// edit and the page builds its list from the new control. One form's list never reaches the control
// of another, and no control's stored list changes but by an apply of its own page.
TEST_F(PagesOnTwoForms, AListPageEditIsStoredOnlyInTheControlItWasMadeFor) {
  const ListedOnPage pages[] = {kListedOnPages[0], kListedOnPages[2]};  // ScaleFonts, ScaleControls
  for (const auto& [clsid, key, flag] : pages) {
    for (const SelectionOrder& order : kSelectionOrders) {
      Store({});
      Store(other, {{L"txtName", {L"ControlFlagDontScaleFont", L"ControlFlagDontScaleControl"}}});
      const std::vector<std::wstring> ownBefore = StoredList(ambrelo), otherBefore = StoredList(other);
      const ULONG ownReferences = References(ambrelo);
      OpenPage page(*clsid, {ambrelo});
      ASSERT_TRUE(page.window);
      SCOPED_TRACE(rt::Utf8FromWide(page.title) + ", " + order.name);
      ASSERT_GE(page.ItemOf(key), 0);
      page.ClickBoxOf(key);
      ASSERT_TRUE(page.Dirty());
      SelectInOrder(page, order, ambrelo, other, ownReferences);
      ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
      EXPECT_EQ(StoredList(other), otherBefore);
      if (KeepsEdit(order)) {
        ASSERT_GT(EntryOf(key), 0);
        EXPECT_EQ(Entry(flag, EntryOf(key)), L"True");
        EXPECT_EQ(Entry(L"ControlFlagControlKey", 1), L"frmPages");
        continue;
      }
      EXPECT_EQ(StoredList(ambrelo), ownBefore);
      if (IsEqualCLSID(*clsid, CLSID_ScaleFonts)) {
        EXPECT_EQ(page.Text(kControlType), L"") << "no item of the new list is current";
      }
      EXPECT_FALSE(page.IsChecked(key)) << "the list built again from the new selection";
      page.ClickBoxOf(key);
      ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
      if (!order.withOther) {
        EXPECT_EQ(StoredList(other), otherBefore);
        ASSERT_GT(EntryOf(key), 0);
        EXPECT_EQ(Entry(flag, EntryOf(key)), L"True");
        continue;
      }
      EXPECT_EQ(StoredList(ambrelo), ownBefore);
      EXPECT_EQ(Entry(L"ControlFlagControlKey", 1, other), L"frmOther");
      EXPECT_EQ(Entry(flag, EntryOf(key, other), other), L"True");
      EXPECT_EQ(Entry(L"ControlFlagDontScaleFont", EntryOf(L"txtName", other), other), L"True");
    }
  }
}

// A click on an item's box takes the keyboard to the list, wherever it was: the space bar then
// toggles that item back, and does not press the button that had the focus.
TEST_F(PagesOnForm, AClickOnAnItemsBoxTakesTheKeyboardToTheList) {
  for (const auto& [clsid, key, flag] : kListedOnPages) {
    OpenPage page(*clsid, {ambrelo});
    ASSERT_TRUE(page.window);
    SetFocus(page.Item(kSelectAll));
    page.ClickBoxOf(key);
    ASSERT_TRUE(page.IsChecked(key)) << rt::Utf8FromWide(page.title);
    EXPECT_EQ(GetFocus(), page.Item(kList)) << rt::Utf8FromWide(page.title);
    PressSpace(GetFocus());
    EXPECT_FALSE(page.IsChecked(key)) << rt::Utf8FromWide(page.title);
    int checked = 0;
    for (const std::wstring& item : page.ListItems()) checked += item.rfind(L"[x]", 0) == 0;
    EXPECT_EQ(checked, 0) << "Select All was not pressed";
  }
}

// The two labels above a list lie under it: its top border shows whole, under the labels as in
// the gap between them.
TEST_F(PagesOnForm, TheLabelsAboveTheListLeaveItsBorderWhole) {
  for (const CLSID* clsid : kListPages) {
    OpenPage page(*clsid, {ambrelo});
    ASSERT_TRUE(page.window);
    auto rectIn = [&](HWND item) {
      RECT r{};
      GetWindowRect(item, &r);
      MapWindowPoints(nullptr, page.window, reinterpret_cast<POINT*>(&r), 2);
      return r;
    };
    RECT list = rectIn(page.Item(kList)), heading = rectIn(page.Item(kHeading)), type = rectIn(page.Item(kControlType));
    ASSERT_LT(list.top, heading.bottom) << "the labels reach into the list's border as designed";
    ASSERT_LT(heading.right, type.left);
    test::Picture p = test::CaptureWindow(page.window);
    int gap = (heading.right + type.left) / 2;
    int broken = 0;
    for (int x = list.left + 2; x < list.right - 2; ++x)
      for (int channel = 0; channel < 3; ++channel)
        if (p.At(x, list.top, channel) != p.At(gap, list.top, channel)) ++broken;
    EXPECT_EQ(broken, 0) << rt::Utf8FromWide(page.title);
  }
}

// A page whose design table lists a label before the windows it overlaps.
constexpr ControlDesign kLabelFirst[] = {
    {ControlKind::Label, kHeading, "Exclude These Controls", 600, 600, 2175, 400},
    {ControlKind::CheckList, kList, "", 600, 840, 4215, 2760},
    {ControlKind::RightLabel, kControlType, "", 3000, 600, 1815, 400},
    {ControlKind::Button, kSelectAll, "Select All", 4700, 700, 1215, 495},
};
class LabelFirstPage final : public amb::ComObject<LabelFirstPage, PropertyPage> {
 public:
  static const QITAB kInterfaceTable[];

 private:
  Layout PageLayout() const override { return {L"LabelFirst", 6300, 3720, kLabelFirst}; }
  void SelectionChanged() override {}
  amb::HostStatus ApplyChanges(amb::HostObject&) override { return {}; }
};
const QITAB LabelFirstPage::kInterfaceTable[] = {QITABENT(LabelFirstPage, IPropertyPage), {nullptr, 0}};

// Every label lies under every windowed control of its page, wherever the table lists it.
TEST(PropertyPages, LabelsLieUnderTheWindowsWhateverTheTablesOrder) {
  rt::ComPtr<IPropertyPage> made;
  made.reset(new LabelFirstPage);
  OpenPage page(std::move(made), {});
  ASSERT_TRUE(page.window);
  bool labelSeen = false;
  int windows = 0;
  for (HWND child = GetWindow(page.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    bool label = child == page.Item(kHeading) || child == page.Item(kControlType);
    EXPECT_FALSE(labelSeen && !label) << "a window under a label: " << GetDlgCtrlID(child);
    labelSeen |= label;
    windows += !label;
  }
  EXPECT_EQ(windows, 2);
}

// A control whose form has not been read has no list: its lock boxes are disabled, and a lock
// click changes nothing that an apply could store over the stored list.
TEST(ScaleControlsPage, WithoutAFormListItStoresNothing) {
  rt::ComPtr<IDispatch> control = CreateControl();
  ASSERT_TRUE(test::LatePut(control.get(), L"ControlFlagCount", test::VarLong(1)).ok());
  OpenPage page(CLSID_ScaleControls, {control.get()});
  ASSERT_TRUE(page.window);
  EXPECT_EQ(ListView_GetItemCount(page.Item(kList)), 0);
  EXPECT_FALSE(IsWindowEnabled(page.Item(kLockLeft)));
  SendMessageW(page.window, WM_COMMAND, MAKEWPARAM(kLockLeft, BN_CLICKED), reinterpret_cast<LPARAM>(page.Item(kLockLeft)));
  EXPECT_FALSE(page.Dirty());
  ASSERT_HRESULT_SUCCEEDED(page.page->Apply());
  EXPECT_EQ(TextProperty(control.get(), L"ControlFlagCount"), L"1");
}

VARIANT Text(const wchar_t* text) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(text);
  return v;
}

// A form's controls that cannot be read whole give no list at all: the page says why where the
// list would be, keeps its banner and stores nothing, until the frame selects a control whose
// form can be read.
TEST(ScaleFontsPage, AListThatCannotBeReadSaysWhy) {
  PropertyDispatch form, controls, ambrelo, readableControls, readable;
  form.properties[L"Name"] = Text(L"Form1");
  controls.properties[L"Count"] = test::VarLong(2);  // but only one item answers
  controls.items.push_back(&form);
  VARIANT list;
  V_VT(&list) = VT_DISPATCH;
  V_DISPATCH(&list) = &controls;
  controls.AddRef();
  ambrelo.properties[L"FormControls"] = list;
  ambrelo.properties[L"ScaleFonts"] = test::VarBool(true);
  ambrelo.properties[L"ControlFlagCount"] = test::VarLong(0);
  OpenPage page(CLSID_ScaleFonts, {&ambrelo});
  ASSERT_TRUE(page.window);
  EXPECT_FALSE(IsWindowVisible(page.Item(kList)));
  EXPECT_FALSE(IsWindowVisible(page.Item(kSelectAll)));
  EXPECT_EQ(page.Text(kBanner), L"ScaleFonts = True (Set on General Tab) ");
  std::wstring note;
  for (HWND child = GetWindow(page.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child) && page.TextOf(child).find(L"could not be read") != std::wstring::npos)
      note = page.TextOf(child);
  EXPECT_NE(note, L"") << "the reason is shown";
  page.Keep("ambrelo-page-unreadable-list");
  EXPECT_FALSE(page.Dirty());

  // The frame selects a control whose form can be read: the page shows its list after all.
  readableControls.properties[L"Count"] = test::VarLong(1);
  readableControls.items.push_back(&form);
  V_VT(&list) = VT_DISPATCH;
  V_DISPATCH(&list) = &readableControls;
  readableControls.AddRef();
  readable.properties[L"FormControls"] = list;
  readable.properties[L"ScaleFonts"] = test::VarBool(true);
  readable.properties[L"ControlFlagCount"] = test::VarLong(0);
  IUnknown* next[] = {&readable};
  ASSERT_HRESULT_SUCCEEDED(page.page->SetObjects(0, nullptr));
  ASSERT_HRESULT_SUCCEEDED(page.page->SetObjects(1, next));
  EXPECT_TRUE(IsWindowVisible(page.Item(kList)));
  for (HWND child = GetWindow(page.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    EXPECT_FALSE(IsWindowVisible(child) && page.TextOf(child).find(L"could not be read") != std::wstring::npos)
        << "the reason is gone with the failure";
}

// A control of a stand-in form with a type name of its own, as the pages show it.
class TypedDispatch : public PropertyDispatch {
 public:
  TypedDispatch(const wchar_t* type, std::initializer_list<const wchar_t*> numbers, const wchar_t* name) {
    rt::ole::DispatchTypeInfo(type, {}, info_.put());
    for (const wchar_t* n : numbers) properties[n] = test::VarLong(0);
    properties[L"Name"] = Text(name);
  }
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 1, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    *out = info_.get();
    if (*out) (*out)->AddRef();
    return *out ? S_OK : E_FAIL;
  }

 private:
  rt::ComPtr<ITypeInfo> info_;
};

// The platform's line and shape controls, which our runtime's forms do not have, on a stand-in
// form: the pages reach a form only through the control's FormControls.
class PagesOnLineForm : public ::testing::Test {
 protected:
  PagesOnLineForm() {
    controls.properties[L"Count"] = test::VarLong(3);
    controls.items = {&form, &line, &shape};
    VARIANT list;
    V_VT(&list) = VT_DISPATCH;
    V_DISPATCH(&list) = &controls;
    controls.AddRef();
    ambrelo.properties[L"FormControls"] = list;
    ambrelo.properties[L"ScaleControls"] = test::VarBool(true);
    ambrelo.properties[L"ScaleBorders"] = test::VarBool(true);
    ambrelo.properties[L"ControlFlagCount"] = test::VarLong(0);
  }
  TypedDispatch form{L"StandInForm", {}, L"Form1"};
  TypedDispatch line{L"Line", {L"X1", L"Y1", L"X2", L"Y2", L"BorderWidth"}, L"Line1"};
  TypedDispatch shape{L"Shape", {L"Left", L"Top", L"Width", L"Height", L"BorderWidth"}, L"Shape1"};
  PropertyDispatch controls, ambrelo;
};

TEST_F(PagesOnLineForm, ALineOfLocksNamesItsAxis) {
  OpenPage page(CLSID_ScaleControls, {&ambrelo});
  ASSERT_TRUE(page.window);
  ASSERT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[ ]Line1", L"[ ]Shape1"}));
  page.ClickBoxOf(L"Line1");
  EXPECT_EQ(page.Text(kControlType), L"Line");
  const std::pair<int, const wchar_t*> line[] = {{kLockLeft, L"Lock X Left"},   {kLockTop, L"Lock Y Top"},
                                                 {kLockWidth, L"Lock X Width"}, {kLockHeight, L"Lock Y Height"},
                                                 {kLockRight, L"Lock X Right"}, {kLockBottom, L"Lock Y Bottom"}};
  for (const auto& [box, caption] : line) EXPECT_EQ(page.Text(box), caption);
  page.Keep("ambrelo-page-scalecontrols-line");
  page.ClickTextOf(L"Shape1");
  EXPECT_EQ(page.Text(kControlType), L"Shape");
  EXPECT_EQ(page.Text(kLockLeft), L"Lock Left");
  EXPECT_EQ(page.Text(kLockBottom), L"Lock Bottom");
}

TEST_F(PagesOnLineForm, SelectAllAndNoneOnTheBordersPage) {
  OpenPage page(CLSID_ScaleBorders, {&ambrelo});
  ASSERT_TRUE(page.window);
  ASSERT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[ ]Line1", L"[ ]Shape1"}));
  page.Click(kSelectAll);
  EXPECT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[x]Line1", L"[x]Shape1"}));
  EXPECT_EQ(page.Text(kControlType), L"Line") << "the first item's type, shown on the way";
  EXPECT_EQ(page.Current(), -1) << "then no item is current";
  EXPECT_TRUE(page.Dirty());
  page.Keep("ambrelo-page-scaleborders");
  page.Click(kSelectNone);
  EXPECT_EQ(page.ListItems(), (std::vector<std::wstring>{L"[ ]Line1", L"[ ]Shape1"}));
}

}  // namespace
}  // namespace ambtest

namespace ambtest {
namespace {

HWND g_shownFrame = nullptr;
std::vector<std::wstring> g_tabs;  // the frame's tab captions, read while it is up
std::string g_picturePrefix;       // names the pictures kept of each tab
int g_shownTab = -1;

BOOL CALLBACK FindFrame(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring(name) != L"#32770") return TRUE;
  g_shownFrame = window;
  return FALSE;
}

// While the modal frame is up: a picture of each tab in turn, then it is closed as Cancel would.
void CALLBACK WalkFrame(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!g_shownFrame) EnumThreadWindows(GetCurrentThreadId(), &FindFrame, 0);
  if (!g_shownFrame) return;
  HWND tabs = FindWindowExW(g_shownFrame, nullptr, WC_TABCONTROLW, nullptr);
  int count = tabs ? TabCtrl_GetItemCount(tabs) : 0;
  if (g_shownTab < 0) {
    for (int i = 0; i < count; ++i) {
      wchar_t caption[64] = {};
      TCITEMW item{TCIF_TEXT};
      item.pszText = caption;
      item.cchTextMax = 64;
      SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      g_tabs.push_back(caption);
    }
  } else {
    std::string name = g_picturePrefix + "-" + rt::Utf8FromWide(g_tabs[static_cast<size_t>(g_shownTab)]);
    EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(g_shownFrame), TARNWICK_ARTIFACT_DIR, name.c_str()));
  }
  if (++g_shownTab >= count) {
    KillTimer(nullptr, timer);
    PostMessageW(g_shownFrame, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGING};
  SendMessageW(g_shownFrame, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
  TabCtrl_SetCurSel(tabs, g_shownTab);
  change.code = TCN_SELCHANGE;
  SendMessageW(g_shownFrame, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
}

// Shows the system's property frame for the object with the pages the control names, keeps a
// picture of each tab and answers the frame's tab captions.
std::vector<std::wstring> ShowFrame(IUnknown* object, const char* picturePrefix) {
  rt::ComPtr<IDispatch> bare = CreateControl();
  rt::ComPtr<ISpecifyPropertyPages> specify;
  EXPECT_HRESULT_SUCCEEDED(bare.As(specify));
  CAUUID pages{};
  if (!specify || FAILED(specify->GetPages(&pages))) return {};
  g_shownFrame = nullptr;
  g_tabs.clear();
  g_shownTab = -1;
  g_picturePrefix = picturePrefix;
  UINT_PTR timer = SetTimer(nullptr, 0, 400, &WalkFrame);
  IUnknown* objects[] = {object ? object : bare.get()};
  HRESULT hr = OleCreatePropertyFrame(nullptr, 10, 10, L"Ambrelo", 1, objects, pages.cElems, pages.pElems,
                                      LOCALE_USER_DEFAULT, 0, nullptr);
  KillTimer(nullptr, timer);
  CoTaskMemFree(pages.pElems);
  EXPECT_HRESULT_SUCCEEDED(hr);
  EXPECT_TRUE(g_shownFrame) << "the frame was shown";
  return g_tabs;
}

// The tabs of our pages, in the frame's order (the standard colour page is the system's).
std::vector<std::wstring> OurTabs(const std::vector<std::wstring>& tabs) {
  std::vector<std::wstring> ours;
  for (const std::wstring& tab : tabs)
    if (tab.rfind(L"Scale", 0) == 0 || tab == L"General" || tab == L"ReplaceFontsWith" || tab == L"FormEffects")
      ours.push_back(tab);
  return ours;
}
const std::vector<std::wstring> kOurTabs = {L"General",       L"ScaleBorders",     L"ScaleControls", L"ScaleFonts",
                                            L"ScaleGraphics", L"ReplaceFontsWith", L"FormEffects"};

// The system's own property frame shows the control's pages, the General page first.
TEST(PropertyFrame, ShowsThePagesOfTheControl) {
  EXPECT_EQ(OurTabs(ShowFrame(nullptr, "ambrelo-property-frame")), kOurTabs);
}

// The same frame over a control on a form: the exclusion pages list the form's controls.
TEST_F(PagesOnForm, TheSystemsFrameShowsEachPage) {
  Store({{L"txtName", {L"ControlFlagDontScaleControl", L"ControlFlagDontScaleLeft"}}});
  EXPECT_EQ(OurTabs(ShowFrame(ambrelo, "ambrelo-property-frame-on-form")), kOurTabs);
}

}  // namespace
}  // namespace ambtest
