#include "replace_fonts_page.h"

#include <optional>

#include "ambrelo_h.h"
#include "com_object.h"
#include "enum_fonts.h"
#include "own_type_library.h"
#include "property_page.h"
#include "wide_text.h"

namespace amb::pages {
namespace {

using K = ControlKind;

constexpr ControlDesign kDesign[] = {
    {K::FontList, kFontList, "", 1200, 600, 3615, 2790},
    {K::Label, 0, "ReplaceFontsWith", 1200, 360, 2055, 255},
};

std::wstring EntryText(HWND list, int i) {
  LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
  if (length == LB_ERR) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

class ReplaceFontsPage final : public ComObject<ReplaceFontsPage, ValuesPage, OwnDispatch<_ReplaceFontsWith>> {
 public:
  static const QITAB kInterfaceTable[];

 private:
  Layout PageLayout() const override { return {L"ReplaceFontsWith", 6000, 3600, kDesign}; }
  HostStatus Load(HostObject& control) override;
  HostStatus ApplyChanges(HostObject& control) override;
  void SaveShown() override {
    int current = static_cast<int>(SendMessageW(Item(kFontList), LB_GETCURSEL, 0, 0));
    shown_ = current < 0 ? std::nullopt : std::optional(EntryText(Item(kFontList), current));
  }
  void RestoreShown() override {
    FillFontList(Item(kFontList));
    Select(shown_);
  }
  void Select(const std::optional<std::wstring>& name);
  std::optional<std::wstring> shown_;  // the chosen entry while the window is away
  void Command(int id, int code) override {
    if (id == kFontList && code == LBN_SELCHANGE) EditMade();
  }
};

const QITAB ReplaceFontsPage::kInterfaceTable[] = {
    QITABENT(ReplaceFontsPage, IPropertyPage),
    QITABENT(ReplaceFontsPage, _ReplaceFontsWith),
    QITABENTMULTI(ReplaceFontsPage, IDispatch, _ReplaceFontsWith),
    {nullptr, 0},
};

// The stored name selects the first entry that equals it exactly, case included.
HostStatus ReplaceFontsPage::Load(HostObject& control) {
  FillFontList(Item(kFontList));
  std::string stored;
  if (HostStatus s = GetText(control, "ReplaceFontsWith", stored); !s) return s;
  Select(WideFromUtf8(stored));
  return {};
}

void ReplaceFontsPage::Select(const std::optional<std::wstring>& name) {
  HWND list = Item(kFontList);
  int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  int found = -1;
  for (int i = 0; name && i < count && found < 0; ++i)
    if (EntryText(list, i) == *name) found = i;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

// Without a window (the frame took it away) the page applies the entry chosen when it went.
HostStatus ReplaceFontsPage::ApplyChanges(HostObject& control) {
  if (Window()) SaveShown();
  return NamedFailure("ReplaceFontsWith", control.Let("ReplaceFontsWith", Utf8FromWide(shown_.value_or(L""))));
}

}  // namespace

HRESULT CreateReplaceFontsWithPage(REFIID riid, void** ppv) { return CreateComObject<ReplaceFontsPage>(riid, ppv); }

}  // namespace amb::pages
