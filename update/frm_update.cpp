#include "frm_update.h"

#include <algorithm>
#include <cstdlib>

#include "app.h"
#include "error_report.h"
#include "auto_update.h"
#include "notice_geometry.h"
#include "program_icon.h"
#include "screen.h"
#include "sound.h"
#include "transparent.h"

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr COLORREF kBackColour = RGB(255, 128, 255);
constexpr COLORREF kDarkRed = RGB(128, 0, 0);
constexpr int kClientWidthTwips = 4680, kClientHeightTwips = 2280;
constexpr int kBorderPixels = 1;  // the thin single border on each side

// Whole twips per pixel: the notice's own positions are kept in whole twips.
int TppX() { return static_cast<int>(rt::Screen().TwipsPerPixelX()); }
int TppY() { return static_cast<int>(rt::Screen().TwipsPerPixelY()); }

HFONT ArialBold(double points) {
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(static_cast<int>(points * 100), GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

struct ControlDesign {
  FrmUpdate::ControlId id;
  int left, top, width, height;  // twips
  const char* caption;
};

// Every label notifies its clicks: a plain static would let a click fall through to the form,
// whose own click starts the update, even on the countdown, which must ignore clicks.
// The product name and the version come from the version file: each stays on one line (a name
// too long for its room ends in an ellipsis), and the version's label, alone on its rows, widens
// to its text (FitToText), which at this size is wider than designed.
constexpr ControlDesign kLabels[] = {
    {FrmUpdate::kLabel1, 120, 0, 4335, 495, "There is an update for Moxbel"},
    {FrmUpdate::kLabel2, 720, 480, 3255, 615, ""},
    {FrmUpdate::kLabel3, 600, 1680, 3135, 615, "Click to Install Update"},
    {FrmUpdate::kLabel4, 3960, 480, 495, 615, ""},
    {FrmUpdate::kLabel5, 1590, 1080, 1380, 510, ""},
};
constexpr ControlDesign kImageDesign = {FrmUpdate::kImage1, 120, 600, 480, 480, nullptr};

bool ShowsVersionFileText(FrmUpdate::ControlId id) { return id == FrmUpdate::kLabel2 || id == FrmUpdate::kLabel5; }

const ControlDesign& DesignOf(FrmUpdate::ControlId id) {
  return *std::find_if(std::begin(kLabels), std::end(kLabels), [id](const ControlDesign& c) { return c.id == id; });
}

}  // namespace

FrmUpdate& frmUpdate() {
  static FrmUpdate form;
  return form;
}

int FrmUpdate::Width() const { return kClientWidthTwips + 2 * kBorderPixels * TppX(); }
int FrmUpdate::Height() const { return kClientHeightTwips + 2 * kBorderPixels * TppY(); }

rt::FormSettings FrmUpdate::Settings() const {
  rt::FormSettings s;
  s.border = rt::FormBorder::FixedSingle;  // no caption, no control box: a bordered popup
  s.controlBox = s.minButton = s.maxButton = false;
  s.showInTaskbar = false;
  s.startPosition = rt::StartPosition::Manual;
  s.clientWidth = kClientWidthTwips;
  s.clientHeight = kClientHeightTwips;
  s.backColor = kBackColour;
  return s;
}

void FrmUpdate::Move(int left, int top) {
  left_ = left;
  top_ = top;
  if (HWND hwnd = IsLoaded() ? hWnd() : nullptr)
    SetWindowPos(hwnd, nullptr, MulDiv(left, 1, TppX()), MulDiv(top, 1, TppY()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmUpdate::Label2(const std::string& caption) {
  Load();
  SetCaption(kLabel2, caption);
}

std::string FrmUpdate::Label4() {
  Load();
  char text[16] = {};
  GetDlgItemTextA(hWnd(), kLabel4, text, sizeof text);
  return text;
}

void FrmUpdate::Timer1Enabled(bool enabled) {
  if (!IsLoaded()) return;
  if (enabled && !timer1Enabled_) SetTimer(hWnd(), kTimer1, 1000, nullptr);
  if (!enabled && timer1Enabled_) KillTimer(hWnd(), kTimer1);
  timer1Enabled_ = enabled;
}

void FrmUpdate::BringForward() {
  if (IsLoaded() && Visible()) SetWindowPos(hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FrmUpdate::SetCaption(ControlId id, const std::string& caption) {
  if (!IsLoaded()) return;
  SetDlgItemTextA(hWnd(), id, caption.c_str());
  if (id == kLabel5) FitToText(id);
}

// As wide as its text (never narrower than designed), about its designed centre, within the face.
void FrmUpdate::FitToText(ControlId id) {
  HWND label = GetDlgItem(hWnd(), id);
  char text[256] = {};
  const int length = GetWindowTextA(label, text, sizeof text);
  SIZE extent{};
  {
    rt::WindowDc dc(label);
    HGDIOBJ old = SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc.get(), text, length, &extent);
    SelectObject(dc.get(), old);
  }
  RECT face;
  GetClientRect(hWnd(), &face);
  const ControlDesign& design = DesignOf(id);
  const int tx = TppX(), ty = TppY();
  const int designWidth = design.width / tx;
  const int width = std::min<int>(std::max<int>(designWidth, extent.cx + 2), face.right);
  const int left = std::clamp<int>(design.left / tx + designWidth / 2 - width / 2, 0, face.right - width);
  SetWindowPos(label, nullptr, left, design.top / ty, width, design.height / ty, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmUpdate::CreateControls() {
  HWND form = hWnd();
  labelBrush_.reset(CreateSolidBrush(kBackColour));
  font1425_.reset(ArialBold(14.25));
  font2025_.reset(ArialBold(20.25));
  font2175_.reset(ArialBold(21.75));
  const int tx = TppX(), ty = TppY();
  for (const ControlDesign& c : kLabels) {
    const DWORD oneLine = ShowsVersionFileText(c.id) ? SS_ENDELLIPSIS : 0;
    HWND label =
        CreateWindowExA(0, "STATIC", c.caption, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOTIFY | oneLine, c.left / tx,
                        c.top / ty, c.width / tx, c.height / ty, form,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr), nullptr);
    HFONT font = c.id == kLabel4 ? font2025_.get() : (c.id == kLabel2 || c.id == kLabel5) ? font2175_.get() : font1425_.get();
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  HWND image = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY | SS_CENTERIMAGE,
                               kImageDesign.left / tx, kImageDesign.top / ty, kImageDesign.width / tx, kImageDesign.height / ty, form,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kImageDesign.id)), GetModuleHandleA(nullptr),
                               nullptr);
  HMODULE module = rt::App().hInstance ? rt::App().hInstance : GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(module, MAKEINTRESOURCEA(IDI_TARNWICK));
  SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(icon ? icon : LoadIconA(nullptr, IDI_INFORMATION)), 0);
}

void FrmUpdate::Form_Load() {
  CreateControls();
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  frmUpdateGeometry::Corner corner =
      frmUpdateGeometry::BottomRight({area.left, area.top, area.right, area.bottom}, TppX(), TppY());
  left_ = corner.x - Width();
  Transparent::MakeTransparent(hWnd(), 220);
  SetCaption(kLabel4, "7");
  SetCaption(kLabel2, "Tarnwick");
  SetCaption(kLabel5, "To Version " + AutoUpdate::UpdateVersion);
  Sound::PlayChime();
  std::vector<int32_t> tops = frmUpdateGeometry::SlideInTops(corner.y, Height());
  Move(left_, tops.front());
  ShowWindow(hWnd(), SW_SHOWNOACTIVATE);
  for (size_t i = 1; i < tops.size(); ++i) Move(left_, tops[i]);
  timer1Enabled_ = false;
  Timer1Enabled(true);
}

void FrmUpdate::Timer1_Timer() {
  int left = std::atoi(Label4().c_str()) - 1;
  SetCaption(kLabel4, std::to_string(left));
  if (left > 0) return;
  for (int32_t top : frmUpdateGeometry::SlideOutTops(top_, Height())) Move(left_, top);
  Unload();
}

void FrmUpdate::StartUpdate() {
  Hide();
  AutoUpdate::GetUpdate();
}

void FrmUpdate::Form_Unload(int& cancel) {
  Timer1Enabled(false);
  AutoUpdate::UpdateCheckDone = true;
}

bool FrmUpdate::OnControlColour(HDC dc, HWND control, LRESULT& result) {
  int id = GetDlgCtrlID(control);
  SetTextColor(dc, id == kLabel2 || id == kLabel5 ? kDarkRed : RGB(0, 0, 0));
  SetBkColor(dc, kBackColour);
  result = reinterpret_cast<LRESULT>(labelBrush_.get());
  return true;
}

bool FrmUpdate::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kTimer1) return false;
      try {  // the countdown skips its errors silently
        Timer1_Timer();
      } catch (...) {
      }
      return true;
    case WM_COMMAND:
      if (HIWORD(wParam) != STN_CLICKED || LOWORD(wParam) == kLabel4) return false;
      StartUpdate();
      return true;
    case WM_LBUTTONUP:  // Form_Click
      StartUpdate();
      return true;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
  }
  return false;
}
