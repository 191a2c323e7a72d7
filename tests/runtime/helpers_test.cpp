// The small helpers every form relies on: text comparison, subclassing, the settings area.
#include <gtest/gtest.h>

#include "ole/snapshot_enum.h"
#include "scoped_ole.h"
#include "scoped_win.h"
#include "settings_area.h"
#include "subclass.h"
#include "text_compare.h"

namespace {

TEST(TextCompare, IgnoresLetterCaseBeyondAscii) {
  struct Case { const char* a; const char* b; bool equal; };
  for (const Case& c : {Case{"Shut", "SHUT", true}, Case{"Ärger", "äRGER", true}, Case{"Task", "Tasks", false},
                        Case{"", "", true}, Case{"", "x", false}})
    EXPECT_EQ(rt::TextEquals(c.a, c.b), c.equal) << c.a << " / " << c.b;
  EXPECT_LT(rt::CompareText("apple", "Banana"), 0);
  EXPECT_GT(rt::CompareText("Cherry", "banana"), 0);
}

TEST(TextCompare, FindsTextAnywhereWhateverItsCase) {
  EXPECT_EQ(rt::FindText("ShutPwrBoot", "pwr"), 4u);
  EXPECT_EQ(rt::FindText("ShutPwrBoot", "hib"), std::string::npos);
  EXPECT_EQ(rt::FindText("aXbX", "x", 2), 3u);
  EXPECT_EQ(rt::FindText("abc", "", 1), 1u);
  EXPECT_EQ(rt::FindText("grÖße", "öße"), 2u);
  EXPECT_TRUE(rt::ContainsText("LogShut", "SHUT"));
}

// Two windows subclassed by one procedure: each message must reach its own window's old
// procedure, whichever window was subclassed last.
class Subclass : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Counting(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++seen;
    return rt::CallPreviousWindowProc(Counting, hwnd, message, wParam, lParam);
  }
  static LRESULT CALLBACK OldProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_APP ? 'A' : DefWindowProcA(hwnd, message, wParam, lParam);
  }
  static LRESULT CALLBACK OldProcB(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_APP ? 'B' : DefWindowProcA(hwnd, message, wParam, lParam);
  }
  static HWND Make(WNDPROC proc) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    return hwnd;
  }
  static inline int seen = 0;
};

TEST_F(Subclass, EachWindowKeepsItsOwnPreviousProcedure) {
  HWND a = Make(OldProcA), b = Make(OldProcB);
  ASSERT_TRUE(rt::InstallSubclass(a, Counting));
  ASSERT_TRUE(rt::InstallSubclass(b, Counting));
  ASSERT_TRUE(rt::InstallSubclass(a, Counting));  // again: must not make the procedure call itself
  seen = 0;
  EXPECT_EQ(SendMessageA(a, WM_APP, 0, 0), 'A');
  EXPECT_EQ(SendMessageA(b, WM_APP, 0, 0), 'B');
  EXPECT_EQ(seen, 2);

  EXPECT_TRUE(rt::RemoveSubclass(a, Counting));
  EXPECT_EQ(GetWindowLongPtrA(a, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OldProcA));
  DestroyWindow(b);
  EXPECT_EQ(rt::PreviousWindowProc(b, Counting), nullptr);  // forgotten with the window
  DestroyWindow(a);
}

TEST(SettingsArea, SavesReadsAndDeletesValuesAndWholeSections) {
  const std::string app = "TarnwickRuntimeTest";
  rt::DeleteSettingSection(app, "Placement");
  EXPECT_EQ(rt::GetSetting(app, "Placement", "WindowLeft", "none"), "none");
  EXPECT_EQ(rt::SaveSetting(app, "Placement", "WindowLeft", "1200"), ERROR_SUCCESS);
  EXPECT_EQ(rt::SaveSetting(app, "Placement", "WindowTop", "360"), ERROR_SUCCESS);
  EXPECT_EQ(rt::GetSetting(app, "Placement", "WindowLeft"), "1200");
  EXPECT_EQ(rt::DeleteSetting(app, "Placement", "WindowLeft"), ERROR_SUCCESS);
  EXPECT_EQ(rt::GetSetting(app, "Placement", "WindowLeft", "gone"), "gone");
  EXPECT_EQ(rt::GetSetting(app, "Placement", "WindowTop"), "360");
  EXPECT_EQ(rt::DeleteSettingSection(app, "Placement"), ERROR_SUCCESS);
  EXPECT_EQ(rt::GetSetting(app, "Placement", "WindowTop", "gone"), "gone");
  EXPECT_NE(rt::DeleteSettingSection(app, "Placement"), ERROR_SUCCESS);  // nothing left to delete
  EXPECT_NE(rt::SaveSetting(app, "", "Key", "x"), ERROR_SUCCESS);          // never the parent key
}

// Every VARIANT an enumerator hands out is the caller's own copy: clearing one leaves the
// enumerator's, and its clones', as they were.
TEST(SnapshotEnum, HandsOutVariantsTheCallerOwns) {
  rt::Variant text;
  V_VT(text.get()) = VT_BSTR;
  V_BSTR(text.get()) = SysAllocString(L"item");
  rt::ComPtr<IEnumVARIANT> items;
  ASSERT_HRESULT_SUCCEEDED((rt::ole::CreateComObject<rt::ole::SnapshotEnum<IEnumVARIANT, VARIANT>>(
      IID_IEnumVARIANT, items.put_void(), std::vector<VARIANT>{*text})));
  rt::Variant first, second;
  ASSERT_EQ(items->Next(1, first.get(), nullptr), S_OK);
  ASSERT_HRESULT_SUCCEEDED(items->Reset());
  ASSERT_EQ(items->Next(1, second.get(), nullptr), S_OK);
  EXPECT_NE(V_BSTR(first.get()), V_BSTR(second.get())) << "two copies, not one shared text";
  EXPECT_NE(V_BSTR(first.get()), V_BSTR(text.get()));
  first.reset();
  rt::ComPtr<IEnumVARIANT> clone;
  ASSERT_HRESULT_SUCCEEDED(items->Clone(clone.put()));
  ASSERT_HRESULT_SUCCEEDED(clone->Reset());
  rt::Variant again;
  ASSERT_EQ(clone->Next(1, again.get(), nullptr), S_OK);
  ASSERT_EQ(again.vt(), VT_BSTR);
  EXPECT_STREQ(V_BSTR(again.get()), L"item");
}

}  // namespace
