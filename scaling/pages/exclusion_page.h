#pragma once
// The ScaleBorders, ScaleFonts and ScaleGraphics pages, one design: a banner with the General
// page's switch, a check list of the host form's controls that have the feature, and Select All /
// Select None. ExclusionPageBase is also the ground of the ScaleControls page.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "exclusion_page_model.h"
#include "property_page.h"

namespace amb::pages {

enum ExclusionId : int { kBanner = 200, kHeading, kControlType, kList, kSelectAll, kSelectNone, kPicture1 };

class ExclusionPageBase : public PropertyPage {
 protected:
  // Set once, by the page's constructor.
  void SetKind(ExclusionKind kind) {
    kind_ = kind;
    model_ = ExclusionModel(kind);
  }

  // The page's reactions; the base keeps the records and the list in step.
  virtual void CheckChanged(PageRecord& record, bool checked);
  // The item became current, or was clicked while it was.
  virtual void CurrentChanged(PageRecord& record);
  // No item is current any more.
  virtual void CurrentLost() {}
  virtual void SelectAll();
  virtual void SelectNone();
  // The flags a record takes when Select All or Select None sets its item's check; true when
  // they changed.
  virtual bool TakeCheck(PageRecord& record, bool checked) { return model_.SetCheck(record, checked); }
  // After the list was filled, at the first selection and at every new window.
  virtual void Built() {}

  void SelectionChanged() override;
  HostStatus ApplyChanges(HostObject& control) override;
  void Command(int id, int code) override;
  void Notify(const NMHDR& header) override;
  void Created() override;
  void RestoreShown() override;

  ExclusionModel& Model() { return model_; }
  ExclusionKind PageKind() const { return kind_; }
  int ItemCount() const;
  PageRecord* RecordAt(int item);
  std::optional<int> CurrentItem() const;
  // Sets the current item in code (the list then reports it as a click); -1 for none.
  void MakeCurrent(int item);
  // Sets an item's check in code; no record changes through the list's report of it.
  void SetItemCheck(int item, bool checked);
  // Every item checked or cleared in code, each record given its flags; true when one changed.
  bool CheckEvery(bool checked);
  bool ItemChecked(int item) const;
  void ShowTypeOf(const PageRecord& record);

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page);
  // A mouse button went down on the list: an item hit becomes current before the list toggles
  // its check; false for the blank area, where the current item stays.
  bool ListClicked(POINT at);
  void FillList();

  ExclusionKind kind_ = ExclusionKind::Borders;
  ExclusionModel model_{ExclusionKind::Borders};
  bool filling_ = false;  // the page itself changes checks: the list's reports are not edits
};

HRESULT CreateScaleBordersPage(REFIID riid, void** ppv);
HRESULT CreateScaleFontsPage(REFIID riid, void** ppv);
HRESULT CreateScaleGraphicsPage(REFIID riid, void** ppv);

}  // namespace amb::pages
