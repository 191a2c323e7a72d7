#include "exclusion_page.h"

#include "com_object.h"
#include "wide_text.h"

namespace amb::pages {
namespace {

using K = ControlKind;

// The three pages differ in a few numbers of their layout. The banner's label fills the white
// strip from its left edge, clipped to the strip.
template <int BannerWidth, int TextLeft, int TextWidth, int HeadingWidth, int AllTop, int NoneTop>
struct Design {
  static constexpr ControlDesign kControls[] = {
      {K::Banner, kBanner, "lblScaleControls", 600 + TextLeft, 0,
       TextWidth < BannerWidth - TextLeft ? TextWidth : BannerWidth - TextLeft, 375},
      {K::CheckList, kList, "", 600, 840, 4215, 2760},
      {K::Button, kSelectAll, "Select All", 4920, AllTop, 1215, 495},
      {K::Button, kSelectNone, "Select None", 4920, NoneTop, 1215, 495},
      {K::Label, kHeading, "Exclude These Controls", 600, 600, HeadingWidth, 255},
      {K::RightLabel, kControlType, "", 3000, 600, 1815, 255},
  };
};

using BordersDesign = Design<6315, 120, 6015, 2175, 1320, 2760>;
using FontsDesign = Design<5700, 0, 5895, 2175, 1080, 2880>;
using GraphicsDesign = Design<5685, 0, 5895, 1935, 1200, 2760>;

class ExclusionPage final : public ComObject<ExclusionPage, ExclusionPageBase> {
 public:
  static const QITAB kInterfaceTable[];
  explicit ExclusionPage(ExclusionKind kind) { SetKind(kind); }

 private:
  Layout PageLayout() const override {
    switch (PageKind()) {
      case ExclusionKind::Borders:
        return {L"ScaleBorders", 7035, 3720, BordersDesign::kControls};
      case ExclusionKind::Fonts:
        return {L"ScaleFonts", 6375, 3735, FontsDesign::kControls};
      default:
        return {L"ScaleGraphics", 6330, 3720, GraphicsDesign::kControls};
    }
  }
};

const QITAB ExclusionPage::kInterfaceTable[] = {
    QITABENT(ExclusionPage, IPropertyPage),
    {nullptr, 0},
};

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

// The list is built once; the banner follows the switch at every selection.
void ExclusionPageBase::SelectionChanged() {
  HostObjectPtr control = FirstSelected();
  if (!control) return;
  if (!Protocol().Loaded()) {
    Protocol().SetLoaded();
    model_.Build(*control);  // a list that cannot be read stays empty
    FillList();
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

HostStatus ExclusionPageBase::ApplyChanges() {
  HostObjectPtr control = FirstSelected();
  if (!control) return HostStatus::Failed("No control is selected");
  return model_.Apply(*control);
}

void ExclusionPageBase::CheckChanged(PageRecord& record, bool checked) {
  if (model_.SetCheck(record, checked)) EditMade();
}

void ExclusionPageBase::CurrentChanged(PageRecord& record) { ShowTypeOf(record); }

// Every item checked; the first one's type is shown, then no item is current.
void ExclusionPageBase::SelectAll() {
  bool changed = false;
  for (int i = 0; i < ItemCount(); ++i) {
    SetItemCheck(i, true);
    if (PageRecord* record = RecordAt(i)) changed |= model_.SetCheck(*record, true);
  }
  if (ItemCount() == 0) return;
  MakeCurrent(0);
  MakeCurrent(-1);
  if (changed) EditMade();
}

void ExclusionPageBase::SelectNone() {
  bool changed = false;
  for (int i = 0; i < ItemCount(); ++i) {
    SetItemCheck(i, false);
    if (PageRecord* record = RecordAt(i)) changed |= model_.SetCheck(*record, false);
  }
  if (changed) EditMade();
}

void ExclusionPageBase::Command(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == kSelectAll) SelectAll();
  if (id == kSelectNone) SelectNone();
}

void ExclusionPageBase::Notify(const NMHDR& header) {
  if (header.idFrom != kList || header.code != LVN_ITEMCHANGED || filling_) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
  PageRecord* record = RecordAt(change.iItem);
  if (!record || !Protocol().Loaded()) return;
  if ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)
    CheckChanged(*record, ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) CurrentChanged(*record);
}

HRESULT CreateScaleBordersPage(REFIID riid, void** ppv) {
  return CreateComObject<ExclusionPage>(riid, ppv, ExclusionKind::Borders);
}
HRESULT CreateScaleFontsPage(REFIID riid, void** ppv) {
  return CreateComObject<ExclusionPage>(riid, ppv, ExclusionKind::Fonts);
}
HRESULT CreateScaleGraphicsPage(REFIID riid, void** ppv) {
  return CreateComObject<ExclusionPage>(riid, ppv, ExclusionKind::Graphics);
}

}  // namespace amb::pages
