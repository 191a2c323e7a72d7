#include "scale_controls_page.h"

#include "ambrelo_h.h"
#include "com_object.h"
#include "exclusion_page.h"
#include "own_type_library.h"
#include "scale_controls_model.h"

namespace amb::pages {
namespace {

using K = ControlKind;

constexpr ControlDesign kDesign[] = {
    {K::Picture, kPicture1, "", 600, 0, 5565, 375},
    {K::Banner, kBanner, "lblScaleControls", 0, 0, 5895, 255, kPicture1},
    {K::CheckList, kList, "", 600, 840, 3975, 2085},
    {K::Button, kSelectAll, "Select All", 840, 3000, 1095, 375},
    {K::Button, kSelectNone, "Select None", 2160, 3000, 1095, 375},
    {K::CheckBox, kLockLeft, "Lock Left", 4800, 1080, 1455, 195},
    {K::CheckBox, kLockTop, "Lock Top", 4800, 2040, 1455, 195},
    {K::CheckBox, kLockWidth, "Lock Width", 4800, 1320, 1455, 195},
    {K::CheckBox, kLockHeight, "Lock Height", 4800, 2280, 1455, 195},
    {K::CheckBox, kLockRight, "Lock Right", 4800, 1560, 1455, 195},
    {K::CheckBox, kLockBottom, "Lock Bottom", 4800, 2520, 1455, 195},
    {K::Label, kHeading, "Exclude These Controls", 600, 600, 1935, 255},
    {K::RightLabel, kControlType, "", 2760, 600, 1815, 255},
};

int BoxOf(Lock lock) { return kLockLeft + static_cast<int>(lock); }

class ScaleControlsPage final
    : public ComObject<ScaleControlsPage, ExclusionPageBase, OwnDispatch<_ScaleControls>> {
 public:
  static const QITAB kInterfaceTable[];
  ScaleControlsPage() { SetKind(ExclusionKind::Controls); }

  // _ScaleControls
  IFACEMETHODIMP CheckIfAllDeselected() override;

 private:
  Layout PageLayout() const override { return {L"ScaleControls", 6270, 3720, kDesign}; }
  void Built() override;
  void CheckChanged(PageRecord& record, bool checked) override;
  void CurrentChanged(PageRecord& record) override;
  void CurrentLost() override { EnableBoxes(false); }
  void SelectAll() override { SelectEvery(true); }
  void SelectNone() override { SelectEvery(false); }
  bool TakeCheck(PageRecord& record, bool checked) override;
  void SelectEvery(bool excluded);
  void Command(int id, int code) override;
  void Timer(UINT_PTR id) override;
  void Destroyed() override { StopTimer(); }

  void LoadBoxes(const PageRecord& record, bool excluded);
  void LockClicked(Lock lock);
  void StopTimer() { KillTimer(Window(), kDeselectTimer); }
  void EnableBoxes(bool enabled);
  PageRecord* CurrentRecord();

  bool updating_ = false;
};

const QITAB ScaleControlsPage::kInterfaceTable[] = {
    QITABENT(ScaleControlsPage, IPropertyPage),
    QITABENT(ScaleControlsPage, _ScaleControls),
    QITABENTMULTI(ScaleControlsPage, IDispatch, _ScaleControls),
    {nullptr, 0},
};

PageRecord* ScaleControlsPage::CurrentRecord() {
  std::optional<int> current = CurrentItem();
  return current ? RecordAt(*current) : nullptr;
}

// A disabled box cannot keep the keyboard: when one of them has it, it goes to the list first, or
// no window of the page would take a key until the next click.
void ScaleControlsPage::EnableBoxes(bool enabled) {
  if (!enabled) {
    HWND focus = GetFocus();
    for (Lock lock : kAllLocks)
      if (focus && focus == Item(BoxOf(lock))) SetFocus(Item(kList));
  }
  for (Lock lock : kAllLocks) EnableWindow(Item(BoxOf(lock)), enabled);
}

// The current control's locks into the boxes; this never changes a flag.
void ScaleControlsPage::LoadBoxes(const PageRecord& record, bool excluded) {
  updating_ = true;
  LockBoxes locks = LocksOf(record.entry);
  for (Lock lock : kAllLocks) SetCheck(BoxOf(lock), locks[static_cast<size_t>(lock)]);
  EnableBoxes(excluded);
  ShowTypeOf(record);
  bool line = record.typeName == "Line";
  for (Lock lock : kAllLocks) SetText(BoxOf(lock), std::string(LockCaption(lock, line)));
  updating_ = false;
}

// An empty list leaves no lock to edit: the boxes are disabled. A pending inclusion was meant for
// an item of the list as it was.
void ScaleControlsPage::Built() {
  StopTimer();
  EnableBoxes(false);
  if (ItemCount() == 0) return;
  MakeCurrent(0);
  if (PageRecord* record = RecordAt(0)) LoadBoxes(*record, ItemChecked(0));
}

void ScaleControlsPage::CurrentChanged(PageRecord& record) {
  StopTimer();
  std::optional<int> current = CurrentItem();
  LoadBoxes(record, current && ItemChecked(*current));
}

void ScaleControlsPage::CheckChanged(PageRecord& record, bool checked) {
  StopTimer();
  FlagEntry before = record.entry;
  if (checked) {
    Exclude(record.entry);
  } else {
    Include(record.entry);
  }
  if (!(before == record.entry)) EditMade();
  if (&record == CurrentRecord()) LoadBoxes(record, checked);
}

// Select All excludes with Right and Bottom free; Select None includes with no lock.
bool ScaleControlsPage::TakeCheck(PageRecord& record, bool checked) {
  FlagEntry before = record.entry;
  if (checked) {
    ExcludeAll(record.entry);
  } else {
    Include(record.entry);
  }
  return !(before == record.entry);
}

// Either button: item 0 is current afterwards, its locks shown.
void ScaleControlsPage::SelectEvery(bool excluded) {
  StopTimer();
  bool changed = CheckEvery(excluded);
  if (ItemCount() > 0) {
    MakeCurrent(0);
    if (PageRecord* record = RecordAt(0)) LoadBoxes(*record, excluded);
  }
  if (changed) EditMade();
}

void ScaleControlsPage::Command(int id, int code) {
  if (code == BN_CLICKED && id >= kLockLeft && id <= kLockBottom) {
    LockClicked(static_cast<Lock>(id - kLockLeft));
    return;
  }
  ExclusionPageBase::Command(id, code);
}

// A third lock of an axis is refused with a beep; the box is cleared again. Without a current
// item there is no record to store a lock in.
void ScaleControlsPage::LockClicked(Lock lock) {
  if (updating_) return;
  PageRecord* record = CurrentRecord();
  if (!record) return;
  LockBoxes boxes{};
  for (Lock l : kAllLocks) boxes[static_cast<size_t>(l)] = Checked(BoxOf(l));
  bool set = boxes[static_cast<size_t>(lock)];
  if (set && IsThirdOfAxis(lock, boxes)) {
    SetCheck(BoxOf(lock), false);
    MessageBeep(MB_OK);
    set = false;
  }
  record->entry[FlagOf(lock)] = set;
  SetTimer(Window(), kDeselectTimer, kDeselectDelayMs, nullptr);
  EditMade();
}

void ScaleControlsPage::Timer(UINT_PTR id) {
  if (id != kDeselectTimer) return;
  StopTimer();
  CheckIfAllDeselected();
}

// An excluded control whose last lock was cleared is included again.
IFACEMETHODIMP ScaleControlsPage::CheckIfAllDeselected() {
  if (!Window()) return S_OK;
  for (Lock lock : kAllLocks)
    if (Checked(BoxOf(lock))) return S_OK;
  if (std::optional<int> current = CurrentItem()) ListView_SetCheckState(Item(kList), *current, FALSE);
  EnableBoxes(false);
  return S_OK;
}

}  // namespace

HRESULT CreateScaleControlsPage(REFIID riid, void** ppv) { return CreateComObject<ScaleControlsPage>(riid, ppv); }

}  // namespace amb::pages
