#include "property_page.h"

#include <commctrl.h>

#include <algorithm>

#include "com_module.h"

#include "dispatch_object.h"
#include "wide_text.h"

namespace amb::pages {
namespace {

// An empty child dialog: the page adds its controls itself, so the template carries none.
struct EmptyTemplate {
  DLGTEMPLATE head;
  WORD menu, windowClass, title;
};

int Pixels(HDC dc, int twips, int axis) { return MulDiv(twips, GetDeviceCaps(dc, axis), 1440); }

struct ClassAndStyle {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::RightLabel:
      return {L"STATIC", SS_RIGHT, 0};
    case ControlKind::Picture:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::Banner:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::DropDown:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::FontList:
      return {L"LISTBOX", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::CheckList:
      return {WC_LISTVIEWW,
              LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

// A picture box paints its own contents: the colours of the labels inside it are the page's.
LRESULT CALLBACK PictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_CTLCOLORSTATIC) return SendMessageW(GetParent(picture), message, wParam, lParam);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(picture, &PictureProc, 0);
  return DefSubclassProc(picture, message, wParam, lParam);
}

HFONT CreatePointFont(HDC screen, int hundredthsOfPoint, const wchar_t* face) {
  return CreateFontW(-MulDiv(hundredthsOfPoint, GetDeviceCaps(screen, LOGPIXELSY), 7200), 0, 0, 0, FW_BOLD, 0, 0, 0,
                     DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

constexpr int kNoteId = 99;

}  // namespace

PropertyPage::~PropertyPage() {
  if (window_) DestroyWindow(window_);
  if (bannerFont_) DeleteObject(bannerFont_);
  if (boldFont_) DeleteObject(boldFont_);
}

HRESULT PropertyPage::OnSetPageSite(IPropertyPageSite* site) {
  if (site && site_) return E_UNEXPECTED;
  site_.reset(site);
  if (site) site->AddRef();
  return S_OK;
}

HRESULT PropertyPage::OnActivate(HWND parent, LPCRECT rect, BOOL) {
  if (!rect) return E_POINTER;
  if (window_) return E_UNEXPECTED;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  static const EmptyTemplate kTemplate = {{WS_CHILD | DS_CONTROL | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, 0, 0, 0},
                                          0, 0, 0};
  window_ = CreateDialogIndirectParamW(ModuleInstance(), &kTemplate.head, parent, &DialogProc,
                                       reinterpret_cast<LPARAM>(this));
  if (!window_) return HRESULT_FROM_WIN32(GetLastError());
  CreateControls();
  Created();
  Move(rect);
  ShowFailureState();
  if (protocol_.Loaded()) {
    restoring_ = true;
    RestoreShown();
    restoring_ = false;
  }
  if (!objects_.empty()) SelectionChanged();
  return S_OK;
}

HRESULT PropertyPage::OnDeactivate() {
  if (!window_) return E_UNEXPECTED;
  if (protocol_.Loaded()) SaveShown();
  Destroyed();
  DestroyWindow(window_);
  window_ = nullptr;
  note_ = nullptr;
  items_.clear();
  return S_OK;
}

HRESULT PropertyPage::OnGetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  Layout layout = PageLayout();
  HDC screen = GetDC(nullptr);
  SIZE size{Pixels(screen, layout.width, LOGPIXELSX), Pixels(screen, layout.height, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  size_t bytes = (wcslen(layout.title) + 1) * sizeof(wchar_t);
  auto* title = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
  if (!title) return E_OUTOFMEMORY;
  memcpy(title, layout.title, bytes);
  *info = PROPPAGEINFO{sizeof(PROPPAGEINFO), title, size, nullptr, nullptr, 0};
  return S_OK;
}

HRESULT PropertyPage::OnSetObjects(ULONG count, IUnknown** objects) {
  if (count && !objects) return E_POINTER;
  objects_.clear();
  for (ULONG i = 0; i < count; ++i) {
    rt::ComPtr<IUnknown> held;
    held.reset(objects[i]);
    if (objects[i]) objects[i]->AddRef();
    objects_.push_back(std::move(held));
  }
  // Edits are never carried over to another control: they stay only while their own is selected.
  // Once it left the selection (an empty one included) the page holds it no more, and the frame
  // learns that the edits are gone.
  bool hadEdits = protocol_.Changed();
  if (protocol_.SelectionSet(loadedFrom_ && Selects(loadedFrom_->Identity()))) {
    loadedFrom_ = nullptr;
    if (hadEdits && site_) site_->OnStatusChange(PROPPAGESTATUS_CLEAN);
  }
  if (window_ && !objects_.empty()) SelectionChanged();
  return S_OK;
}

HRESULT PropertyPage::OnShow(UINT command) {
  if (!window_) return E_UNEXPECTED;
  ShowWindow(window_, command);
  return S_OK;
}

HRESULT PropertyPage::OnMove(LPCRECT rect) {
  if (!rect) return E_POINTER;
  if (!window_) return E_UNEXPECTED;
  MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
  return S_OK;
}

IFACEMETHODIMP PropertyPage::IsPageDirty() { return protocol_.Changed() ? S_OK : S_FALSE; }

// Only a changed page is applied, to the control its edits belong to (a page keeps edits only while
// that control is selected); a write that fails goes back to the frame, and the page stays changed.
HRESULT PropertyPage::OnApply() {
  if (!protocol_.Changed()) return S_OK;
  HostStatus status = loadedFrom_ ? ApplyChanges(*loadedFrom_)
                                  : HostStatus::Failed("No control is selected to store the page in");
  if (!status) return ReportFailure(status);
  protocol_.Applied();
  return S_OK;
}

HRESULT PropertyPage::OnTranslateAccelerator(MSG* msg) {
  if (!msg) return E_POINTER;
  return window_ && IsDialogMessageW(window_, msg) ? S_OK : S_FALSE;
}

HWND PropertyPage::Item(int id) const {
  for (const auto& [itemId, item] : items_)
    if (itemId == id && id) return item;
  return nullptr;
}

HostObjectPtr PropertyPage::FirstSelected() const {
  if (objects_.empty() || !objects_[0]) return nullptr;
  rt::ComPtr<IDispatch> control;
  if (FAILED(objects_[0]->QueryInterface(IID_IDispatch, control.put_void()))) return nullptr;
  return std::make_shared<DispatchObject>(std::move(control), true);
}

LCID PropertyPage::Locale() const {
  LCID locale = LOCALE_USER_DEFAULT;
  if (site_ && FAILED(site_->GetLocaleID(&locale))) locale = LOCALE_USER_DEFAULT;
  return locale;
}

// A COM object's identity is its IUnknown, whichever interface the frame handed over.
bool PropertyPage::Selects(const void* identity) const {
  if (!identity) return false;
  for (const rt::ComPtr<IUnknown>& object : objects_) {
    rt::ComPtr<IUnknown> unknown;
    if (object && SUCCEEDED(object->QueryInterface(IID_IUnknown, unknown.put_void())) && unknown.get() == identity)
      return true;
  }
  return false;
}

void PropertyPage::MarkLoaded(HostObjectPtr from) {
  protocol_.SetLoaded();
  loadedFrom_ = std::move(from);
}

void PropertyPage::ShowFailure(const std::string& text) {
  failure_ = text;
  ShowFailureState();
}

void PropertyPage::ClearFailure() {
  if (failure_.empty()) return;
  failure_.clear();
  ShowFailureState();
}

void PropertyPage::ShowFailureState() {
  if (!window_) return;
  bool failed = !failure_.empty();
  std::span<const ControlDesign> design = PageLayout().design;
  for (size_t i = 0; i < design.size() && i < items_.size(); ++i)
    if (design[i].kind != ControlKind::Picture && design[i].kind != ControlKind::Banner)
      ShowWindow(items_[i].second, failed ? SW_HIDE : SW_SHOW);
  if (!failed) {
    if (note_) ShowWindow(note_, SW_HIDE);
    return;
  }
  if (!note_) {
    // Below the banner strip, across the page.
    HDC screen = GetDC(nullptr);
    RECT page{};
    GetClientRect(window_, &page);
    int top = Pixels(screen, 480, LOGPIXELSY), margin = Pixels(screen, 240, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    note_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_CENTER | SS_NOPREFIX, margin, top,
                            std::max(0, static_cast<int>(page.right) - 2 * margin),
                            std::max(0, static_cast<int>(page.bottom) - top), window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNoteId)), ModuleInstance(), nullptr);
    SendMessageW(note_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  }
  SetWindowTextW(note_, WideFromUtf8(failure_).c_str());
  ShowWindow(note_, SW_SHOW);
}

void PropertyPage::EditMade() {
  if (restoring_) return;
  if (protocol_.EditMade() && site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

void PropertyPage::FillDropDown(int id, std::span<const std::string_view> items, int position) {
  HWND list = Item(id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (std::string_view item : items)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(item).c_str()));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool PropertyPage::Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void PropertyPage::SetCheck(int id, bool checked) {
  SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string PropertyPage::Text(int id) const {
  HWND item = Item(id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

void PropertyPage::SetText(int id, const std::string& text) { SetWindowTextW(Item(id), WideFromUtf8(text).c_str()); }

void PropertyPage::SetTextColour(int id, COLORREF colour) {
  for (auto& entry : colours_)
    if (entry.first == id) entry.second = colour;
  if (std::none_of(colours_.begin(), colours_.end(), [&](auto& e) { return e.first == id; }))
    colours_.emplace_back(id, colour);
  InvalidateRect(Item(id), nullptr, TRUE);
}

void PropertyPage::CreateControls() {
  HDC screen = GetDC(nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (!bannerFont_) bannerFont_ = CreatePointFont(screen, 1200, L"MS Sans Serif");
  if (!boldFont_) boldFont_ = CreatePointFont(screen, 825, L"MS Sans Serif");
  for (const ControlDesign& d : PageLayout().design) {
    ClassAndStyle cs = ClassFor(d.kind);
    int height = Pixels(screen, d.height, LOGPIXELSY);
    if (d.kind == ControlKind::DropDown) height *= 8;  // room for the dropped list
    HWND parent = d.parent ? Item(d.parent) : window_;
    HWND item = CreateWindowExW(cs.exStyle, cs.windowClass, WideFromUtf8(d.caption).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | cs.style, Pixels(screen, d.left, LOGPIXELSX),
                                Pixels(screen, d.top, LOGPIXELSY), Pixels(screen, d.width, LOGPIXELSX), height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), ModuleInstance(),
                                nullptr);
    items_.emplace_back(d.id, item);
    HFONT face = d.kind == ControlKind::Banner ? bannerFont_ : d.face == Typeface::Bold ? boldFont_ : font;
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(face), 0);
    if (d.kind == ControlKind::Picture) {
      SetWindowSubclass(item, &PictureProc, 0, 0);
      SetTextColour(d.id, RGB(0, 0, 0));
    }
    if (d.kind == ControlKind::CheckList) {
      ListView_SetExtendedListViewStyle(item, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
      LVCOLUMNW column{LVCF_WIDTH, 0, Pixels(screen, d.width, LOGPIXELSX) - 24};
      SendMessageW(item, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    }
  }
  ReleaseDC(nullptr, screen);
  // A label lies under the windows it overlaps (a list's top border, a box's edge), as a
  // windowless label of the platform's forms does, wherever its table lists it: each goes below
  // its siblings once all of them are made, and so below every windowed control.
  std::span<const ControlDesign> design = PageLayout().design;
  for (size_t i = 0; i < design.size() && i < items_.size(); ++i)
    if (design[i].kind == ControlKind::Label || design[i].kind == ControlKind::RightLabel)
      SetWindowPos(items_[i].second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

INT_PTR CALLBACK PropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return FALSE;
  }
  auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!page || page->window_ != window) return FALSE;
  switch (message) {
    case WM_COMMAND:
      page->Command(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      page->Notify(*reinterpret_cast<NMHDR*>(lParam));
      return TRUE;
    case WM_TIMER:
      page->Timer(wParam);
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      for (const auto& [item, colour] : page->colours_) {
        if (item != id) continue;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, colour);
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

void ValuesPage::SelectionChanged() {
  if (Protocol().Loaded()) return;
  HostObjectPtr control = FirstSelected();
  if (!control) return;
  if (HostStatus s = Load(*control); !s) return ShowFailure(LoadFailureText(s));
  ClearFailure();
  MarkLoaded(std::move(control));
}

HRESULT ReportFailure(const HostStatus& status) {
  rt::ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.put()))) {
    create->SetDescription(const_cast<LPOLESTR>(WideFromUtf8(status.description).c_str()));
    create->SetSource(const_cast<LPOLESTR>(L"Ambrelo"));
    rt::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(info))) SetErrorInfo(0, info.get());
  }
  return E_FAIL;
}

std::string LoadFailureText(const HostStatus& status) {
  return "The control's settings could not be read: " + status.description +
         ". This page shows and stores nothing.";
}

}  // namespace amb::pages
