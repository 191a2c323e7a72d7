#pragma once
// What the seven property pages share: IPropertyPage over a child dialog window that the page
// builds from its design table (raw Win32 controls, positions in twips), the first selected
// control reached late-bound, and the page protocol (load once, changed only once loaded).
#include <windows.h>
#include <ocidl.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host_object.h"
#include "ole/com_entry.h"
#include "page_protocol.h"
#include "scoped_win.h"

namespace amb::pages {

// Picture: a white box (the exclusion pages' banner strip); Banner: its text, 12-point bold.
enum class ControlKind { Label, RightLabel, CheckBox, TextBox, DropDown, Button, CheckList, FontList, Picture, Banner };
enum class Typeface { Plain, Bold };  // Bold: 8.25-point bold "MS Sans Serif"

struct ControlDesign {
  ControlKind kind;
  int id;
  const char* caption;
  int left, top, width, height;  // twips, within the parent
  int parent = 0;                // the id of the control it sits in; 0: the page
  Typeface face = Typeface::Plain;
};

class PropertyPage : public IPropertyPage {
 public:
  // Each entry runs the page's own step through the COM base's error barrier: nothing a page
  // throws reaches the frame.
  IFACEMETHODIMP SetPageSite(IPropertyPageSite* site) override {
    return rt::ole::ComEntry([&] { return OnSetPageSite(site); });
  }
  IFACEMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override {
    return rt::ole::ComEntry([&] { return OnActivate(parent, rect, modal); });
  }
  IFACEMETHODIMP Deactivate() override { return rt::ole::ComEntry([&] { return OnDeactivate(); }); }
  IFACEMETHODIMP GetPageInfo(PROPPAGEINFO* info) override {
    return rt::ole::ComEntry([&] { return OnGetPageInfo(info); });
  }
  IFACEMETHODIMP SetObjects(ULONG count, IUnknown** objects) override {
    return rt::ole::ComEntry([&] { return OnSetObjects(count, objects); });
  }
  IFACEMETHODIMP Show(UINT command) override { return rt::ole::ComEntry([&] { return OnShow(command); }); }
  IFACEMETHODIMP Move(LPCRECT rect) override { return rt::ole::ComEntry([&] { return OnMove(rect); }); }
  IFACEMETHODIMP IsPageDirty() override;
  IFACEMETHODIMP Apply() override { return rt::ole::ComEntry([&] { return OnApply(); }); }
  IFACEMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
  IFACEMETHODIMP TranslateAccelerator(MSG* msg) override {
    return rt::ole::ComEntry([&] { return OnTranslateAccelerator(msg); });
  }

 protected:
  struct Layout {
    const wchar_t* title;  // the tab caption: the page's class name
    int width, height;     // twips
    std::span<const ControlDesign> design;
  };
  PropertyPage() = default;
  virtual ~PropertyPage();

  virtual Layout PageLayout() const = 0;

  // The page got a selection while its window is up (the platform's selection-changed event).
  // Values the page loaded belong to the control it loaded them from (LoadedFrom); the page is not
  // loaded any more, and loads again, once a selection without that control came.
  virtual void SelectionChanged() = 0;
  // Writes what the page shows to the control.
  virtual HostStatus ApplyChanges(HostObject& control) = 0;
  virtual void Command(int id, int code) {}
  virtual void Notify(const NMHDR& header) {}
  virtual void Timer(UINT_PTR id) {}
  // The page's controls were created (each activation gives new ones).
  virtual void Created() {}
  virtual void Destroyed() {}
  // A page deactivated and activated again by its frame gets a new window: it keeps what its
  // boxes showed (edits included) and shows it again, rather than the design values.
  virtual void SaveShown() {}
  virtual void RestoreShown() {}

  HWND Window() const { return window_; }
  HWND Item(int id) const;
  // Item 0 of the selection, late-bound; nullptr when nothing is selected.
  HostObjectPtr FirstSelected() const;
  PageProtocol& Protocol() { return protocol_; }
  // The page has loaded its values from `from`, the first selected control as FirstSelected gave
  // it: they and their edits belong to it, and an apply writes them there while it is selected.
  void MarkLoaded(HostObjectPtr from);
  // The control the page loaded from; nullptr while it is not loaded.
  HostObjectPtr LoadedFrom() const { return loadedFrom_; }
  // The page could not load: its controls give way to a note that says why (the banner stays).
  void ShowFailure(const std::string& text);
  void ClearFailure();
  // The locale the frame gives its pages for the numbers they show and read; the user's when the
  // frame names none.
  LCID Locale() const;
  // An edit of one of the page's controls: changed, and the frame told, once loaded.
  void EditMade();

  // A drop-down list filled with items, showing the one at position (-1: none).
  void FillDropDown(int id, std::span<const std::string_view> items, int position);
  bool Checked(int id) const;
  void SetCheck(int id, bool checked);
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  void SetTextColour(int id, COLORREF colour);

 private:
  // The steps of the entries above.
  HRESULT OnSetPageSite(IPropertyPageSite* site);
  HRESULT OnActivate(HWND parent, LPCRECT rect, BOOL modal);
  HRESULT OnDeactivate();
  HRESULT OnGetPageInfo(PROPPAGEINFO* info);
  HRESULT OnSetObjects(ULONG count, IUnknown** objects);
  HRESULT OnShow(UINT command);
  HRESULT OnMove(LPCRECT rect);
  HRESULT OnApply();
  HRESULT OnTranslateAccelerator(MSG* msg);

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void ShowFailureState();
  // Whether the selection holds the object whose identity (HostObject::Identity) is given.
  bool Selects(const void* identity) const;

  HWND window_ = nullptr;
  rt::ComPtr<IPropertyPageSite> site_;
  std::vector<rt::ComPtr<IUnknown>> objects_;
  HostObjectPtr loadedFrom_;
  PageProtocol protocol_;
  bool restoring_ = false;
  std::vector<std::pair<int, COLORREF>> colours_;
  std::vector<std::pair<int, HWND>> items_;  // the page's controls in design order, with their ids
  std::string failure_;                      // why the page could not load; empty when it could
  HWND note_ = nullptr;
  HFONT bannerFont_ = nullptr;
  HFONT boldFont_ = nullptr;
};

// A page that shows values of the control (General, FormEffects, ReplaceFontsWith): it loads them
// from the first selected control at the first selection, and again only once that control left
// the selection. A load that fails says why in place of the page's controls and is tried again at
// the next selection.
class ValuesPage : public PropertyPage {
 protected:
  // Reads the control's values and shows them.
  virtual HostStatus Load(HostObject& control) = 0;

 private:
  void SelectionChanged() final;
};

// A failed write or read as the frame gets it: the description in the thread's error object.
HRESULT ReportFailure(const HostStatus& status);
// What a page that could not load says in place of its controls.
std::string LoadFailureText(const HostStatus& status);

}  // namespace amb::pages
