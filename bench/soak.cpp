// Soak: 1000 openings of an owner-drawn menu (side bar, columns, icons, a disabled item with its
// greyed icon, a separator, a submenu) and 1000 resizes of a form of our runtime that holds the
// registered Ambrelo.dll, with what the process holds counted before and after each: GDI objects,
// windows, menus, icons and private memory. Wine's GetGuiResources answers 0, so handles are also
// counted by probing every handle value below 0x10000 (Wine accepts a handle by its index alone).
// Prints; asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "form.h"
#include "menu_engine.h"
#include "message_loop.h"
#include "regsvr32.h"
#include "scoped_win.h"

namespace {

struct Census {
  long gdi = 0, windows = 0, menus = 0, icons = 0;
  long gdiReported = 0, userReported = 0;
  double privateKb = 0;
};

bool IsIcon(HANDLE h) {
  ICONINFO info{};
  if (!GetIconInfo(static_cast<HICON>(h), &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

Census Take() {
  Census c;
  for (ULONG_PTR v = 1; v < 0x10000; ++v) {
    HANDLE h = reinterpret_cast<HANDLE>(v);
    if (GetObjectType(h)) ++c.gdi;
    if (IsWindow(static_cast<HWND>(h))) ++c.windows;
    if (IsMenu(static_cast<HMENU>(h))) ++c.menus;
    else if (!IsWindow(static_cast<HWND>(h)) && IsIcon(h)) ++c.icons;
  }
  c.gdiReported = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  c.userReported = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    c.privateKb = static_cast<double>(memory.PrivateUsage) / 1024;
  return c;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PrintGrowth(const char* what, int operations, const Census& warm, const Census& after) {
  const double per = 1000.0 / operations;
  std::printf("%-16s %6d  gdi %+6.1f  windows %+6.1f  menus %+6.1f  icons %+6.1f  (reported gdi %+6.1f, user %+6.1f)"
              "  private %+8.1f KB   per 1000; held after: gdi %ld, windows %ld, menus %ld, icons %ld\n",
              what, operations, (after.gdi - warm.gdi) * per, (after.windows - warm.windows) * per,
              (after.menus - warm.menus) * per, (after.icons - warm.icons) * per,
              (after.gdiReported - warm.gdiReported) * per, (after.userReported - warm.userReported) * per,
              (after.privateKb - warm.privateKb) * per, after.gdi, after.windows, after.menus, after.icons);
}

// The menu's owner ends each popup as soon as the menu loop has shown it and has nothing to do.
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU) EndMenu();
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The menu's pictures: its items draw icons, a disabled one its greyed image too.
constexpr rt::ControlDesign kImageControls[] = {{.name = "ImageList1", .kind = rt::ControlKind::ImageList, .imageSize = 16}};

class ImagesForm : public rt::Form {
 public:
  ImagesForm() : rt::Form("frmSoakImages") {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Images";
    s.controls = kImageControls;
    return s;
  }
};

void SoakMenus(int openings) {
  ImagesForm images;  // outlives the menu owner, which reads its image list
  images.Load();
  rt::ImageList& list = images.Ctl<rt::ImageList>("ImageList1");
  list.Add(LoadIconA(nullptr, IDI_APPLICATION));
  list.Add(LoadIconA(nullptr, IDI_WARNING));

  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SoakMenuOwner";
  RegisterClassA(&wc);
  rt::UniqueWindow owner(CreateWindowExA(WS_EX_TOOLWINDOW, "SoakMenuOwner", "owner", WS_POPUP | WS_VISIBLE, 40, 40, 10,
                                         10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  rt::UniqueHmenu popup(CreatePopupMenu());
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, 120, "Sub &One\tCtrl+1");
  AppendMenuA(sub, MF_STRING, 121, "Sub &Two");
  AppendMenuA(popup.get(), MF_STRING, 100,
              "{Sidebar|Text:Soak<br>Menu|FColor:8388608|BColor:12615680|GColor:16776960|Font:Arial|FSize:14|Width:32}");
  AppendMenuA(popup.get(), MF_STRING, 101, "&Shutdown\tCtrl+Alt+S");
  AppendMenuA(popup.get(), MF_STRING, 102, "&Reboot{Tip:Restarts the computer}");
  AppendMenuA(popup.get(), MF_STRING | MF_GRAYED, 103, "&Hibernate");
  AppendMenuA(popup.get(), MF_STRING, 105, "&Log Off{img:I1}");
  AppendMenuA(popup.get(), MF_STRING | MF_GRAYED, 106, "S&uspend{img:I2}");
  AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(popup.get(), MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&More");
  AppendMenuA(popup.get(), MF_STRING | MF_CHECKED, 104, "&Force\tF");
  modMenus::SetMenus(owner.get(), &list, nullptr, 0);

  auto open = [&] {
    SetForegroundWindow(owner.get());
    TrackPopupMenuEx(popup.get(), 0, 100, 100, owner.get(), nullptr);
    Pump();
  };
  for (int i = 0; i < 20; ++i) open();  // fonts, brushes and caches made on first use
  Census warm = Take();
  for (int i = 0; i < openings; ++i) open();
  PrintGrowth("menu openings", openings, warm, Take());
  modMenus::UnsetMenus(owner.get());
  owner.reset();
  images.Unload();
}

constexpr rt::PropertyDesign kAmbreloValues[] = {{"BeepOnMinMax", "False"}, {"ResizeAtOnce", "True"}};
constexpr rt::ControlDesign kControls[] = {
    {.name = "lblTitle", .kind = rt::ControlKind::Label, .left = 120, .top = 120, .width = 2400, .height = 300,
     .caption = "Scaled"},
    {.name = "txtName", .kind = rt::ControlKind::TextBox, .left = 120, .top = 480, .width = 2400, .height = 315,
     .caption = "text"},
    {.name = "fraBox", .kind = rt::ControlKind::Frame, .left = 120, .top = 900, .width = 3000, .height = 1500,
     .caption = "Frame"},
    {.name = "chkOne", .kind = rt::ControlKind::CheckBox, .container = "fraBox", .left = 120, .top = 300,
     .width = 1800, .height = 300, .caption = "Check"},
    {.name = "optOne", .kind = rt::ControlKind::OptionButton, .container = "fraBox", .left = 120, .top = 700,
     .width = 1800, .height = 300, .caption = "Option"},
    {.name = "lstItems", .kind = rt::ControlKind::ListBox, .left = 3300, .top = 480, .width = 2000, .height = 1200},
    {.name = "cboItems", .kind = rt::ControlKind::ComboBox, .left = 3300, .top = 1800, .width = 2000, .height = 315},
    {.name = "cmdOk", .kind = rt::ControlKind::CommandButton, .left = 120, .top = 2500, .width = 1200, .height = 400,
     .caption = "OK"},
    {.name = "Ambrelo1", .kind = rt::ControlKind::OleControl, .left = 5400, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kAmbreloValues},
};

class SoakForm : public rt::Form {
 public:
  SoakForm() : rt::Form("frmSoak") {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Soak";
    s.clientWidth = 6000;
    s.clientHeight = 3200;
    s.controls = kControls;
    return s;
  }
};

void SoakResizes(int resizes) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dll(path);
  dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"Ambrelo.dll";
  if (testsupport::RunRegsvr32(dll, false) != 0) {
    std::printf("resizes: could not register %ls\n", dll.c_str());
    return;
  }
  SoakForm form;
  form.Show();
  HWND window = form.hWnd();
  auto resize = [&](int i) {
    const int w = 420 + (i % 7) * 40, h = 260 + (i % 5) * 30;
    SetWindowPos(window, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
  };
  for (int i = 0; i < 20; ++i) resize(i);
  Census warm = Take();
  for (int i = 0; i < resizes; ++i) resize(i);
  PrintGrowth("form resizes", resizes, warm, Take());
  form.Unload();
  rt::CollectUnloadedForms();
  testsupport::RunRegsvr32(dll, true);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  OleInitialize(nullptr);
  std::printf("Growth per 1000 operations after a warm-up of 20 (0 means nothing is kept)\n");
  SoakMenus(count);
  SoakResizes(count);
  OleUninitialize();
  return 0;
}
