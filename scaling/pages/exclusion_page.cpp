#include "exclusion_page.h"

#include <windowsx.h>

#include <algorithm>

#include "ambrelo_h.h"
#include "com_object.h"
#include "own_type_library.h"
#include "wide_text.h"

namespace amb::pages {
namespace {

using K = ControlKind;

// The numbers in which the three pages' layouts differ (twips).
struct PageMeasures {
  int pageWidth, pageHeight;
  int pictureWidth;             // the white strip
  int bannerLeft, bannerWidth;  // its text, which the strip clips
  int headingWidth;
  int selectAllTop, selectNoneTop;
};

template <PageMeasures M>
struct Design {
  static constexpr int kWidth = M.pageWidth, kHeight = M.pageHeight;
  static constexpr ControlDesign kControls[] = {
      {K::Picture, kPicture1, "", 600, 0, M.pictureWidth, 375},
      {K::Banner, kBanner, "lblScaleControls", M.bannerLeft, 0, M.bannerWidth, 255, kPicture1},
      {K::CheckList, kList, "", 600, 840, 4215, 2760},
      {K::Button, kSelectAll, "Select All", 4920, M.selectAllTop, 1215, 495},
      {K::Button, kSelectNone, "Select None", 4920, M.selectNoneTop, 1215, 495},
      {K::Label, kHeading, "Exclude These Controls", 600, 600, M.headingWidth, 255},
      {K::RightLabel, kControlType, "", 3000, 600, 1815, 255},
  };
};

// The tab captions, by kind.
constexpr const wchar_t* kTitles[] = {L"ScaleBorders", L"ScaleFonts", L"ScaleGraphics"};

template <class Interface, ExclusionKind Kind, class PageDesign>
class ExclusionPage final : public ComObject<ExclusionPage<Interface, Kind, PageDesign>, ExclusionPageBase,
                                             OwnDispatch<Interface>> {
 public:
  static const QITAB kInterfaceTable[];
  ExclusionPage() { this->SetKind(Kind); }

 private:
  PropertyPage::Layout PageLayout() const override {
    return {kTitles[static_cast<int>(Kind)], PageDesign::kWidth, PageDesign::kHeight, PageDesign::kControls};
  }
};

template <class Interface, ExclusionKind Kind, class PageDesign>
const QITAB ExclusionPage<Interface, Kind, PageDesign>::kInterfaceTable[] = {
    {&__uuidof(IPropertyPage), OFFSETOFCLASS(IPropertyPage, ExclusionPage)},
    {&__uuidof(Interface), OFFSETOFCLASS(Interface, ExclusionPage)},
    {&__uuidof(IDispatch), OFFSETOFCLASS(Interface, ExclusionPage)},
    {nullptr, 0},
};

constexpr PageMeasures kBordersMeasures{.pageWidth = 7035, .pageHeight = 3720, .pictureWidth = 6315,
                                        .bannerLeft = 120, .bannerWidth = 6015, .headingWidth = 2175,
                                        .selectAllTop = 1320, .selectNoneTop = 2760};
constexpr PageMeasures kFontsMeasures{.pageWidth = 6375, .pageHeight = 3735, .pictureWidth = 5700,
                                      .bannerLeft = 0, .bannerWidth = 5895, .headingWidth = 2175,
                                      .selectAllTop = 1080, .selectNoneTop = 2880};
constexpr PageMeasures kGraphicsMeasures{.pageWidth = 6330, .pageHeight = 3720, .pictureWidth = 5685,
                                         .bannerLeft = 0, .bannerWidth = 5895, .headingWidth = 1935,
                                         .selectAllTop = 1200, .selectNoneTop = 2760};
using ScaleBordersPage = ExclusionPage<_ScaleBorders, ExclusionKind::Borders, Design<kBordersMeasures>>;
using ScaleFontsPage = ExclusionPage<_ScaleFonts, ExclusionKind::Fonts, Design<kFontsMeasures>>;
using ScaleGraphicsPage = ExclusionPage<_ScaleGraphics, ExclusionKind::Graphics, Design<kGraphicsMeasures>>;

}  // namespace

int ExclusionPageBase::ItemCount() const { return ListView_GetItemCount(Item(kList)); }

PageRecord* ExclusionPageBase::RecordAt(int item) {
  LVITEMW lv{LVIF_PARAM, item};
  if (item < 0 || !SendMessageW(Item(kList), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv))) return nullptr;
  size_t index = static_cast<size_t>(lv.lParam);
  return index < model_.Records().size() ? &model_.Records()[index] : nullptr;
}

std::optional<int> ExclusionPageBase::CurrentItem() const {
  int item = ListView_GetNextItem(Item(kList), -1, LVNI_SELECTED);
  if (item < 0) return std::nullopt;
  return item;
}

void ExclusionPageBase::MakeCurrent(int item) {
  HWND list = Item(kList);
  if (item < 0) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    return;
  }
  ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ExclusionPageBase::SetItemCheck(int item, bool checked) {
  bool was = filling_;
  filling_ = true;
  ListView_SetCheckState(Item(kList), item, checked);
  filling_ = was;
}

bool ExclusionPageBase::ItemChecked(int item) const { return ListView_GetCheckState(Item(kList), item) != 0; }

void ExclusionPageBase::ShowTypeOf(const PageRecord& record) { SetText(kControlType, record.typeName); }

// The list is built from the first selected control, and built again only once that control left
// the selection, so that one form's list never reaches a control of another; the banner follows
// the control's switch at every selection.
void ExclusionPageBase::SelectionChanged() {
  HostObjectPtr control = Protocol().Loaded() ? LoadedFrom() : FirstSelected();
  if (!control) return;
  if (!Protocol().Loaded()) {
    MarkLoaded(control);
    HostStatus built = model_.Build(*control);
    SetText(kControlType, "");  // no item of the new list is current yet
    FillList();
    if (built) {
      ClearFailure();
    } else {
      ShowFailure("The list of the form's controls could not be read: " + built.description +
                  ". This page stores nothing.");
    }
    Built();
  }
  Banner banner = ReadBanner(kind_, *control);
  SetText(kBanner, banner.caption);
  SetTextColour(kBanner, banner.colour);
}

// The records hold every check the developer made.
void ExclusionPageBase::RestoreShown() {
  FillList();
  Built();
}

void ExclusionPageBase::FillList() {
  HWND list = Item(kList);
  filling_ = true;
  ListView_DeleteAllItems(list);
  const std::vector<PageRecord>& records = model_.Records();
  for (size_t i = 0; i < records.size(); ++i) {
    if (!records[i].listed) continue;
    std::wstring text = WideFromUtf8(records[i].key);
    LVITEMW item{LVIF_TEXT | LVIF_PARAM, 0x7FFFFFFF};
    item.pszText = text.data();
    item.lParam = static_cast<LPARAM>(i);
    int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    ListView_SetCheckState(list, at, model_.Check(records[i]));
  }
  filling_ = false;
}

HostStatus ExclusionPageBase::ApplyChanges(HostObject& control) { return model_.Apply(control); }

void ExclusionPageBase::CheckChanged(PageRecord& record, bool checked) {
  if (model_.SetCheck(record, checked)) EditMade();
}

void ExclusionPageBase::CurrentChanged(PageRecord& record) { ShowTypeOf(record); }

bool ExclusionPageBase::CheckEvery(bool checked) {
  bool changed = false;
  for (int i = 0; i < ItemCount(); ++i) {
    SetItemCheck(i, checked);
    if (PageRecord* record = RecordAt(i)) changed |= TakeCheck(*record, checked);
  }
  return changed;
}

// Every item checked; the first one's type is shown, then no item is current.
void ExclusionPageBase::SelectAll() {
  bool changed = CheckEvery(true);
  if (ItemCount() == 0) return;
  MakeCurrent(0);
  MakeCurrent(-1);
  if (changed) EditMade();
}

void ExclusionPageBase::SelectNone() {
  if (CheckEvery(false)) EditMade();
}

void ExclusionPageBase::Command(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == kSelectAll) SelectAll();
  if (id == kSelectNone) SelectNone();
}

void ExclusionPageBase::Notify(const NMHDR& header) {
  if (header.idFrom != kList || header.code != LVN_ITEMCHANGED || filling_) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (!(change.uChanged & LVIF_STATE) || !Protocol().Loaded()) return;
  bool lost = (change.uOldState & LVIS_SELECTED) && !(change.uNewState & LVIS_SELECTED);
  if (lost && !CurrentItem()) CurrentLost();
  PageRecord* record = change.iItem < 0 ? nullptr : RecordAt(change.iItem);
  if (!record) return;
  if ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)
    CheckChanged(*record, ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) CurrentChanged(*record);
}

void ExclusionPageBase::Created() { SetWindowSubclass(Item(kList), &ListProc, 0, reinterpret_cast<DWORD_PTR>(this)); }

LRESULT CALLBACK ExclusionPageBase::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR page) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      // Any click takes the keyboard there, one on an item's box too (which the list view on its
      // own leaves where it was), so that the space bar and the arrows reach the list.
      SetFocus(list);
      if (!reinterpret_cast<ExclusionPageBase*>(page)->ListClicked({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, &ListProc, 0);
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

// The list view on its own changes the check of an item whose box is clicked without making it
// current, and makes no item current after a click on its blank area; the page's list does
// neither.
bool ExclusionPageBase::ListClicked(POINT at) {
  HWND list = Item(kList);
  int hit = -1;
  for (int i = std::max(0, ListView_GetTopIndex(list)); i < ItemCount() && hit < 0; ++i) {
    RECT row{};
    if (ListView_GetItemRect(list, i, &row, LVIR_BOUNDS) && PtInRect(&row, at)) hit = i;
  }
  if (hit < 0) return false;
  if (CurrentItem() != hit) {
    MakeCurrent(hit);
  } else if (PageRecord* record = RecordAt(hit)) {
    CurrentChanged(*record);
  }
  return true;
}

HRESULT CreateScaleBordersPage(REFIID riid, void** ppv) { return CreateComObject<ScaleBordersPage>(riid, ppv); }
HRESULT CreateScaleFontsPage(REFIID riid, void** ppv) { return CreateComObject<ScaleFontsPage>(riid, ppv); }
HRESULT CreateScaleGraphicsPage(REFIID riid, void** ppv) { return CreateComObject<ScaleGraphicsPage>(riid, ppv); }

}  // namespace amb::pages
