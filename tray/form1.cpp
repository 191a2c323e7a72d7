#include "form1.h"

#include "app.h"
#include "countdown_rules.h"
#include "frm_vb_hot_key.h"
#include "error_report.h"
#include "msg_box.h"
#include "program_settings.h"
#include "scoped_win.h"
#include "shared_state.h"
#include "shutdown_engine.h"
#include "subclass.h"
#include "tray_resources.h"
#include "vb_hot_key.h"

namespace tray {
namespace {

using namespace DozIzevodoz;

constexpr int kEnterId = 9;
constexpr char kRunTasks[] = "Run Tasks";

constexpr rt::ControlDesign CountdownLabel(const char* name, int left, int top, int width, int height,
                                           const char* caption, rt::FontDesign font, rt::Alignment alignment,
                                           bool autoSize, rt::OleColor colour = rt::kWhite, bool visible = true) {
  rt::ControlDesign d;
  d.name = name;
  d.kind = rt::ControlKind::Label;
  d.left = left, d.top = top, d.width = width, d.height = height;
  d.caption = caption;
  d.font = font;
  d.foreColor = colour;
  d.transparent = true;
  d.border = false;
  d.alignment = alignment;
  d.autoSize = autoSize;
  d.visible = visible;
  return d;
}

constexpr rt::ControlDesign CountdownTimer(const char* name) {
  rt::ControlDesign d;
  d.name = name;
  d.kind = rt::ControlKind::Timer;
  d.interval = 500;
  d.enabled = false;
  return d;
}

constexpr rt::ControlDesign PyramidImage() {
  rt::ControlDesign d;
  d.name = "Image1";
  d.kind = rt::ControlKind::Image;
  d.left = 1320, d.top = 1200, d.width = 480, d.height = 480;
  d.picture = {rt::PictureDesign::Kind::Icon, IDI_PYRAMID};
  return d;
}

constexpr rt::FontDesign kArial36{"Arial", 36, true};

// The two windows differ only in the place of the "Before ..." line.
constexpr rt::ControlDesign kTrayControls[] = {
    CountdownLabel("Label1", 120, 0, 6255, 975, "Windows Will Now!", {"Comic Sans MS", 32.25, true},
                   rt::Alignment::Left, false),
    CountdownLabel("Label2", 5760, 960, 195, 720, "", kArial36, rt::Alignment::Right, true),
    CountdownLabel("Label3", 240, 720, 855, 735, "Label3", {}, rt::Alignment::Center, false),
    CountdownLabel("Label4", 2040, 1680, 4215, 375, "Label4", {"Arial", 15.75, true}, rt::Alignment::Right, false,
                   rt::SystemColor(COLOR_HIGHLIGHTTEXT), false),
    CountdownLabel("Label5", 120, 1800, 525, 225, "Label5", {"Times New Roman", 9, true}, rt::Alignment::Left, true),
    PyramidImage(),
    CountdownTimer("Timer1"),
    CountdownTimer("Timer2"),
};
constexpr rt::ControlDesign kCommandLineControls[] = {
    kTrayControls[0], kTrayControls[1], kTrayControls[2],
    CountdownLabel("Label4", 2280, 1680, 3975, 375, "Label4", {"Arial", 15.75, true}, rt::Alignment::Right, false,
                   rt::SystemColor(COLOR_HIGHLIGHTTEXT), false),
    kTrayControls[4], kTrayControls[5], kTrayControls[6], kTrayControls[7],
};

// The tray window measures the display once per process, the command-line window at every load.
int& TrayWindowDepth() {
  static int depth = 0;
  return depth;
}

}  // namespace

CountdownForm& Form1() {
  static CountdownForm form("Form1", CountdownForm::Variant::Tray);
  return form;
}

rt::FormSettings CountdownForm::Settings() const {
  rt::FormSettings s;
  s.caption = "";
  s.clientWidth = 6300;
  s.clientHeight = 2085;
  s.border = rt::FormBorder::FixedSingle;
  s.controlBox = s.minButton = s.maxButton = false;
  s.showInTaskbar = false;
  s.startPosition = rt::StartPosition::CenterScreen;
  s.icon = IDI_PYRAMID;
  s.autoRedraw = true;
  s.scaleMode = rt::ScaleMode::Pixels;
  s.backColor = rt::kBlack;
  s.foreColor = rt::kWhite;
  s.font = {"Times New Roman", 36, true};
  s.controls = variant_ == Variant::Tray ? std::span<const rt::ControlDesign>(kTrayControls)
                                         : std::span<const rt::ControlDesign>(kCommandLineControls);
  return s;
}

int CountdownForm::ColourDepth() const { return variant_ == Variant::Tray ? TrayWindowDepth() : depth_; }

void CountdownForm::SetActionCaption(const std::string& caption) {
  Label("Label2").SetCaption(caption);
  if (IsLoaded()) ShowLabel4ForCaption();
}

void CountdownForm::SetSeconds(const std::string& seconds) { Label("Label3").SetCaption(CountdownSeconds(seconds)); }

// Each statement of the load follows the error convention: a failure is reported and the next
// statement runs, so the count starts whatever went wrong before it.
template <class Body>
void CountdownForm::LoadStep(Body&& body) {
  rt::Trap(Name().c_str(), "Form_Load", std::forward<Body>(body));
}

void CountdownForm::Form_Load() {
  LoadStep([&] { Hide(); });
  LoadStep([&] { rt::InstallSubclass(hWnd(), &vbHotKey::CallbackMsgs); });
  LoadStep([&] {
    if (variant_ == Variant::Tray && enterRegistered_) UnregisterHotKey(hWnd(), kEnterId);
  });
  LoadStep([&] { enterRegistered_ = RegisterHotKey(hWnd(), kEnterId, 0, VK_RETURN) != FALSE; });
  LoadStep([&] {
    if (variant_ == Variant::CommandLine) CommandLineMode = true;
  });
  LoadStep([&] {
    if (!enterRegistered_) rt::MsgBox(HotKeyFailureText(""), MB_OK | MB_ICONERROR, rt::App().Title);
  });
  LoadStep([&] {
    const rt::AppObject& app = rt::App();
    Label("Label5").SetCaption("Moxbel Tarnwick Plus v " + std::to_string(app.Major) + "." +
                               std::to_string(app.Minor) + "." + std::to_string(app.Revision));
  });
  std::string message, timeOut, font;
  LoadStep([&] { message = ReadSetting("Message"); });
  LoadStep([&] { font = ReadSetting("Font"); });
  LoadStep([&] { timeOut = ReadSetting("TimeOut"); });
  LoadStep([&] { Label("Label1").SetCaption(message.empty() ? "Windows Will Now!" : message); });
  LoadStep([&] { Label("Label3").SetCaption(CountdownSeconds(timeOut)); });
  const double fontSize = CountdownFontSize(font);
  for (const char* name : {"Label1", "Label2", "Label3"}) LoadStep([&] { Label(name).SetFontSize(fontSize); });
  LoadStep([&] { FadeForm(); });
  LoadStep([&] { Timer("Timer1").SetEnabled(true); });
}

void CountdownForm::FadeForm() {
  std::string colour = ReadSetting("Color");
  if (colour.empty()) colour = "Blue";
  int& depth = variant_ == Variant::Tray ? TrayWindowDepth() : depth_;
  if (variant_ == Variant::CommandLine) depth = 0;
  if (depth == 0) {
    HWND window = hWnd();
    HDC screen = GetDC(window);
    depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(window, screen);
  }
  int bands = GradientBandCount(depth);
  RECT client{};
  GetClientRect(hWnd(), &client);
  HDC dc = hDC();
  for (const GradientBand& band : GradientBands(bands, client.right, client.bottom, colour)) {
    RECT area{band.left, band.top, band.right, band.bottom};
    rt::GdiObject<HBRUSH> brush(CreateSolidBrush(band.colour));
    FillRect(dc, &area, brush.get());
  }
  Refresh();
}

// "Before ..." belongs to "Run Tasks" alone; a later plain request takes it away again.
void CountdownForm::ShowLabel4ForCaption() {
  rt::Label& label4 = Label("Label4");
  std::string before = Label("Label2").Caption() == kRunTasks ? BeforeActionText(ActionName) : std::string();
  if (!before.empty()) label4.SetCaption(before);
  label4.SetVisible(!before.empty());
}

// The ticks report nothing: a step that fails is skipped and the next one runs, so a count never
// stops half-way on an error box.
void CountdownForm::Timer_Timer(rt::Timer& sender) {
  if (sender.Is("Timer2")) {
    rt::SkipOnError([&] { Timer("Timer2").SetEnabled(false); });
    rt::SkipOnError([&] { Timer("Timer1").SetEnabled(true); });
    return;
  }
  CountOneSecond();
}

void CountdownForm::CountOneSecond() {
  rt::SkipOnError([&] { ShowLabel4ForCaption(); });
  // Only the first show activates the window: later seconds must not take the focus again.
  rt::SkipOnError([&] {
    if (!Visible()) Show();
  });
  CountdownTick tick{"", false};
  rt::SkipOnError([&] {
    tick = NextCountdownTick(Label("Label3").Caption());
    Label("Label3").SetCaption(tick.label);
  });
  if (!tick.fire) {
    rt::SkipOnError([&] { Timer("Timer1").SetEnabled(false); });
    rt::SkipOnError([&] { Timer("Timer2").SetEnabled(true); });
    return;
  }
  rt::SkipOnError([&] { Timer("Timer1").SetEnabled(false); });
  rt::SkipOnError([&] { Timer("Timer2").SetEnabled(false); });
  rt::SkipOnError([&] { Hide(); });
  // The tasks the engine starts must get their ENTER key.
  rt::SkipOnError([&] { ReleaseEnter(); });
  if (variant_ == Variant::Tray) {
    TasksPending = false;
    rt::SkipOnError([] { TrayCountdownRanOut(); });
  } else {
    rt::SkipOnError([] { StartShutdownProcess(); });
  }
  // The window may count again: a request made during the task run, or the action that waited behind
  // it, has loaded it afresh.
  rt::SkipOnError([&] {
    if (!Counting()) Unload();
  });
}

void CountdownForm::ReleaseEnter() {
  if (enterRegistered_ && IsLoaded()) UnregisterHotKey(hWnd(), kEnterId);
  enterRegistered_ = false;
}

void CountdownForm::Pause() {
  Hide();
  Timer("Timer1").SetEnabled(false);
  Timer("Timer2").SetEnabled(false);
}

bool CountdownForm::Counting() {
  return IsLoaded() && (Timer("Timer1").Enabled() || Timer("Timer2").Enabled());
}

void CountdownForm::Cancel() {
  if (!IsLoaded()) return;
  Pause();
  Unload();
  if (variant_ == Variant::Tray) TrayCountdownCancelled();
}

void CountdownForm::Form_Click() { Cancel(); }

void CountdownForm::Form_Unload(int&) {
  if (variant_ == Variant::CommandLine) {
    UnregisterHotKey(hWnd(), kEnterId);
    enterRegistered_ = false;
  } else {
    ReleaseEnter();
  }
}

}  // namespace tray
