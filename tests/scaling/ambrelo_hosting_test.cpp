#include <gtest/gtest.h>

#include "ambrelo_control.h"
#include "control_fixture.h"
#include "frm_about.h"
#include "library_boxes.h"
#include "scoped_win.h"
#include "stack_garbage.h"

namespace ambtest {
namespace {

TEST(AmbreloHosting, ObjectTellsTheContainerHowToHostIt) {
  HostedControl c;
  rt::ComPtr<IOleObject> ole;
  ASSERT_HRESULT_SUCCEEDED(c.control.As(ole));
  DWORD status = 0;
  ole->GetMiscStatus(DVASPECT_CONTENT, &status);
  EXPECT_EQ(status & (OLEMISC_INVISIBLEATRUNTIME | OLEMISC_SETCLIENTSITEFIRST),
            DWORD{OLEMISC_INVISIBLEATRUNTIME | OLEMISC_SETCLIENTSITEFIRST});
  SIZEL size{};
  ASSERT_HRESULT_SUCCEEDED(ole->GetExtent(DVASPECT_CONTENT, &size));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(size.cx, MulDiv(16, 2540, GetDeviceCaps(screen, LOGPIXELSX)));
  EXPECT_EQ(size.cy, MulDiv(15, 2540, GetDeviceCaps(screen, LOGPIXELSY)));
  ReleaseDC(nullptr, screen);
  SIZEL bigger{5000, 5000};
  EXPECT_HRESULT_FAILED(ole->SetExtent(DVASPECT_CONTENT, &bigger)) << "the control keeps its image's size";
  CLSID clsid;
  ole->GetUserClassID(&clsid);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Ambrelo));
  rt::ComPtr<IEnumSTATDATA> advises;
  ASSERT_HRESULT_SUCCEEDED(ole->EnumAdvise(advises.put()));
  EXPECT_TRUE(advises) << "an enumerator, if an empty one, before any advise";

  rt::ComPtr<IProvideClassInfo2> classInfo;
  ASSERT_HRESULT_SUCCEEDED(c.control.As(classInfo));
  GUID source;
  classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
  EXPECT_TRUE(IsEqualIID(source, DIID___Ambrelo));
  rt::ComPtr<ITypeInfo> coclass;
  ASSERT_HRESULT_SUCCEEDED(classInfo->GetClassInfo(coclass.put()));
  BSTR name;
  coclass->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  EXPECT_STREQ(name, L"Ambrelo");
  SysFreeString(name);

  rt::ComPtr<ISpecifyPropertyPages> pages;
  ASSERT_HRESULT_SUCCEEDED(c.control.As(pages));
  CAUUID ids{};
  ASSERT_HRESULT_SUCCEEDED(pages->GetPages(&ids));
  const CLSID stockColour = {0x7EBDAAE1, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}};
  const CLSID* order[] = {&CLSID_General,    &CLSID_ScaleBorders, &CLSID_ScaleControls,     &CLSID_ScaleFonts,
                          &CLSID_ScaleGraphics, &stockColour,     &CLSID_ReplaceFontsWith, &CLSID_FormEffects};
  ASSERT_EQ(ids.cElems, 8u);
  for (ULONG i = 0; i < 8; ++i) EXPECT_TRUE(IsEqualCLSID(ids.pElems[i], *order[i])) << i;
  CoTaskMemFree(ids.pElems);
}

COLORREF DrawnPixel(IViewObject2* view, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  rt::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, 32, 30));
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap.get());
  RECT all{0, 0, 32, 30};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECTL bounds{0, 0, 32, 30};
  view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
  COLORREF pixel = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixel;
}

TEST(AmbreloHosting, DrawsItsToolboxImageOnlyWhileDesigned) {
  HostedControl designed(/*userMode=*/false);
  rt::ComPtr<IViewObject2> view;
  ASSERT_HRESULT_SUCCEEDED(designed.control.As(view));
  // Drawn at twice its size: the title bar of the little form is navy, its frame's inside white.
  EXPECT_EQ(DrawnPixel(view.get(), 10, 6), RGB(0, 0, 128));
  EXPECT_EQ(DrawnPixel(view.get(), 6, 22), RGB(255, 255, 255));
  rt::ComPtr<IOleObject> object;
  ASSERT_HRESULT_SUCCEEDED(designed.control.As(object));
  object->SetClientSite(nullptr);
  EXPECT_EQ(DrawnPixel(view.get(), 10, 6), RGB(0, 0, 128)) << "a designer taking its site away leaves it designed";
  object->SetClientSite(&designed.site);

  designed.site.userMode = true;
  rt::ComPtr<IOleControl> control;
  designed.control.As(control);
  control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
  EXPECT_EQ(DrawnPixel(view.get(), 10, 6), RGB(255, 255, 255)) << "invisible at run time";
}

TEST(AmbreloHosting, InPlaceWindowFollowsTheAmbientUserMode) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  {
    HostedControl c(/*userMode=*/false);
    c.site.window = parent;
    rt::ComPtr<IOleObject> ole;
    c.control.As(ole);
    RECT pos{10, 10, 26, 25};
    ASSERT_HRESULT_SUCCEEDED(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &c.site, 0, parent, &pos));
    rt::ComPtr<IOleInPlaceObject> inPlace;
    c.control.As(inPlace);
    HWND window = nullptr;
    ASSERT_HRESULT_SUCCEEDED(inPlace->GetWindow(&window));
    EXPECT_EQ(GetParent(window), parent);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(c.site.activations, 1);

    c.site.userMode = true;
    rt::ComPtr<IOleControl> control;
    c.control.As(control);
    control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);

    ole->Close(OLECLOSE_NOSAVE);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(c.site.deactivations, 1);
  }
  DestroyWindow(parent);
}

TEST(AmbreloHosting, ConnectionPointsTakeTheRightSinksOnly) {
  HostedControl c;
  rt::ComPtr<IConnectionPointContainer> cpc;
  ASSERT_HRESULT_SUCCEEDED(c.control.As(cpc));
  rt::ComPtr<IEnumConnectionPoints> points;
  ASSERT_HRESULT_SUCCEEDED(cpc->EnumConnectionPoints(points.put()));
  IConnectionPoint* got[3] = {};
  ULONG n = 0;
  EXPECT_EQ(points->Next(3, got, &n), S_FALSE);
  EXPECT_EQ(n, 2u);
  for (ULONG i = 0; i < n; ++i) got[i]->Release();

  rt::ComPtr<IConnectionPoint> events;
  ASSERT_HRESULT_SUCCEEDED(cpc->FindConnectionPoint(DIID___Ambrelo, events.put()));
  EventSink sink;
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(events->Advise(static_cast<IDispatch*>(&sink), &cookie));
  NotifySink wrongKind;
  DWORD none = 0;
  EXPECT_EQ(events->Advise(static_cast<IPropertyNotifySink*>(&wrongKind), &none), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(wrongKind.refs, 1);
  rt::ComPtr<IEnumConnections> connections;
  events->EnumConnections(connections.put());
  CONNECTDATA data{};
  ASSERT_EQ(connections->Next(1, &data, nullptr), S_OK);
  EXPECT_EQ(data.dwCookie, cookie);
  data.pUnk->Release();
  connections.reset();
  EXPECT_HRESULT_SUCCEEDED(events->Unadvise(cookie));
  EXPECT_EQ(events->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(sink.refs, 1) << "an unadvised sink is released";

  rt::ComPtr<IConnectionPoint> notify;
  ASSERT_HRESULT_SUCCEEDED(cpc->FindConnectionPoint(IID_IPropertyNotifySink, notify.put()));
  Put(c.control.get(), L"ControlFlagCount", I2(1));
  Put(c.control.get(), L"ControlFlagDontScaleTop", Bool(true), {I2(1)});
  EXPECT_EQ(c.notify.changed, (std::vector<DISPID>{DispId(c.control.get(), L"ControlFlagCount"),
                                                   DispId(c.control.get(), L"ControlFlagDontScaleTop")}));
}

// The engine raises the events from inside the library; here the control object is made from the
// library linked into this test, whose type library is embedded in the test too.
TEST(AmbreloHosting, EventsReachAdvisedSinksUnlessFrozen) {
  rt::ComPtr<_Ambrelo> object;
  ASSERT_HRESULT_SUCCEEDED(amb::Ambrelo::Create(IID__Ambrelo, object.put_void()));
  auto* control = static_cast<amb::Ambrelo*>(object.get());
  rt::ComPtr<IConnectionPointContainer> cpc;
  object.As(cpc);
  rt::ComPtr<IConnectionPoint> events;
  cpc->FindConnectionPoint(DIID___Ambrelo, events.put());
  EventSink first, second;
  DWORD a = 0, b = 0;
  events->Advise(static_cast<IDispatch*>(&first), &a);
  events->Advise(static_cast<IDispatch*>(&second), &b);

  control->FireResizeStarted();
  control->FireResizeDone();
  control->FireError("Label1 crashed out!", 0);
  rt::ComPtr<IOleControl> ole;
  object.As(ole);
  ole->FreezeEvents(TRUE);
  control->FirePrintCancelled();
  ole->FreezeEvents(FALSE);
  control->FirePrintCancelled();

  EXPECT_EQ(first.fired, (std::vector<DISPID>{1, 2, 3, 4}));
  EXPECT_EQ(second.fired, first.fired);
  EXPECT_EQ(first.lastDescription, L"Label1 crashed out!");
  EXPECT_EQ(first.lastObjectDescription, first.lastDescription) << "the error object describes the event";
  EXPECT_EQ(first.lastObjectNumber, 1004) << "a report without an error number of its own";
  events->Unadvise(a);
  events->Unadvise(b);
}

TEST(AmbreloHosting, ClassFactoryServesOnlyItsClasses) {
  rt::ComPtr<IClassFactory> factory;
  ASSERT_HRESULT_SUCCEEDED(
      CoGetClassObject(CLSID_Ambrelo, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()));
  FakeSite outer;
  rt::ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(static_cast<IOleClientSite*>(&outer), IID_IUnknown, aggregated.put_void()),
            CLASS_E_NOAGGREGATION);
  rt::ComPtr<IUnknown> wrongInterface;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, wrongInterface.put_void()), E_NOINTERFACE);

  HMODULE dll = GetModuleHandleW(L"Ambrelo.dll");
  ASSERT_NE(dll, nullptr);
  using Entry = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto getClassObject = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
  ASSERT_NE(getClassObject, nullptr);
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject(LIBID_AmbreloControl, IID_IClassFactory, &none), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(none, nullptr);

  auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  factory->LockServer(TRUE);
  EXPECT_EQ(canUnload(), S_FALSE);
  factory->LockServer(FALSE);
}

TEST(AmbreloHosting, EveryReferenceIsGivenBack) {
  FakeSite site;
  NotifySink notify;
  EventSink events;
  {
    rt::ComPtr<IDispatch> control = CreateControl();
    rt::ComPtr<IOleObject> ole;
    control.As(ole);
    ole->SetClientSite(&site);
    rt::ComPtr<IConnectionPointContainer> cpc;
    control.As(cpc);
    rt::ComPtr<IConnectionPoint> p1, p2;
    cpc->FindConnectionPoint(IID_IPropertyNotifySink, p1.put());
    cpc->FindConnectionPoint(DIID___Ambrelo, p2.put());
    DWORD c1, c2;
    p1->Advise(static_cast<IPropertyNotifySink*>(&notify), &c1);
    p2->Advise(static_cast<IDispatch*>(&events), &c2);
    // A container that forgets to unadvise or to clear the site must not leak either.
  }
  EXPECT_EQ(site.refs, 1);
  EXPECT_EQ(notify.refs, 1);
  EXPECT_EQ(events.refs, 1);
  CoFreeUnusedLibrariesEx(0, 0);
  HMODULE dll = GetModuleHandleW(L"Ambrelo.dll");
  if (dll) {
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_OK);
    WNDCLASSEXW wc{sizeof wc};
    EXPECT_FALSE(GetClassInfoExW(dll, L"AmbreloControlWindow", &wc))
        << "no window class may outlive the code of its window procedure";
  }
}

// Every container lets go of the control with SetClientSite(nullptr), whatever its earlier calls
// left on the stack; the control's roads past a host that lacks what it asks for are as safe.
TEST(AmbreloHosting, NoRoadClearsAValueItNeverSet) {
  StackGarbage garbage;
  ASSERT_TRUE(garbage.Ready());
  PropertyDispatch form;  // no ScaleWidth, no ScaleHeight
  form.Set(L"Width", 9000);
  form.Set(L"Height", 7000);
  PropertyDispatch controls, extender;  // an extender without Parent
  controls.items = {&form};

  HostedControl designed(/*userMode=*/false);
  designed.site.parentControls = &controls;
  rt::ComPtr<IPersistPropertyBag> persist;
  designed.control.As(persist);
  rt::ComPtr<IPersistStreamInit> fresh;
  designed.control.As(fresh);
  fresh->InitNew();
  FakePropertyBag saved;
  EXPECT_EQ(garbage.ReleasesDuring([&] { persist->Save(&saved, TRUE, FALSE); }), 0)
      << "the design size read from a form that lacks some of it";
  ASSERT_NE(saved.Find(L"DesignFormWidth"), nullptr);
  EXPECT_EQ(Show(*saved.Find(L"DesignFormWidth")), L"vt4:9000");

  HostedControl running(/*userMode=*/true);
  running.site.parentControls = &controls;
  running.site.extender = &extender;
  running.control.As(persist);
  FakePropertyBag empty;
  EXPECT_EQ(garbage.ReleasesDuring([&] { persist->Load(&empty, nullptr); }), 0)
      << "the host form's hook when the extender has no Parent";

  rt::ComPtr<IOleObject> ole;
  running.control.As(ole);
  EXPECT_EQ(garbage.ReleasesDuring([&] { ole->SetClientSite(nullptr); }), 0) << "the site taken away";
  EXPECT_EQ(running.site.refs, 1);
  EXPECT_EQ(extender.refs, 1);
  EXPECT_EQ(form.refs, 1);
}

bool g_aboutWasShown = false;
HWND g_aboutOwner = nullptr;

void CALLBACK CloseTheAboutBox(HWND, UINT, UINT_PTR, DWORD) {
  amb::FrmAbout& about = amb::frmAbout();
  g_aboutWasShown = about.Visible();
  g_aboutOwner = GetWindow(about.hWnd(), GW_OWNER);
  if (g_aboutWasShown) PostMessageA(about.hWnd(), WM_CLOSE, 0, 0);
}

// The box's close box only hides it, which ends the modal call; the call then unloads it. It is
// owned by the window that called, so it never falls behind that window, which it disables.
TEST(AmbreloHosting, AboutBoxReturnsWhenItsCloseBoxHidesItAndUnloadsIt) {
  rt::ComPtr<_Ambrelo> object;
  ASSERT_HRESULT_SUCCEEDED(amb::Ambrelo::Create(IID__Ambrelo, object.put_void()));
  rt::UniqueWindow caller(CreateWindowExA(0, "STATIC", "caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                          nullptr, nullptr, nullptr, nullptr));
  SetActiveWindow(caller.get());
  ASSERT_EQ(GetActiveWindow(), caller.get());
  UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseTheAboutBox);
  ASSERT_HRESULT_SUCCEEDED(object->AboutBox());
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_aboutWasShown);
  EXPECT_EQ(g_aboutOwner, caller.get());
  EXPECT_TRUE(IsWindowEnabled(caller.get()));
  EXPECT_FALSE(amb::frmAbout().IsLoaded());
}

// The system refuses the about box its window (a hook of the thread's, as a starved desktop
// would): the failure inside the call comes back to the caller as the call's error, with its text,
// whether the caller goes through IDispatch or straight through the interface; the caller's window
// is given back, and the box shows once the system lets it.
void CALLBACK ClickOkOfTheLibrarysAboutBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = AboutBoxOfThisThread();
  if (!box) return;
  g_aboutWasShown = true;
  ClickOk(box);
}

TEST(AmbreloErrorBarrier, AFailureInsideACallComesBackAsItsErrorByEitherRoad) {
  rt::ComPtr<IDispatch> control = CreateControl();
  ASSERT_TRUE(control);
  rt::ComPtr<_Ambrelo> bound;
  ASSERT_HRESULT_SUCCEEDED(control.As(bound));
  rt::UniqueWindow caller(CreateWindowExA(0, "STATIC", "caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                          nullptr, nullptr, nullptr, nullptr));
  SetActiveWindow(caller.get());
  const SCODE kFailed = static_cast<SCODE>(0x800A03EC);  // 1004: application-defined
  const std::wstring kText = L"Can not create the window of frmAbout";

  CallResult late;
  HRESULT direct = S_OK;
  BSTR text = nullptr;
  {
    RefusedWindow refused("About Control Title");
    ASSERT_TRUE(refused);
    late = Invoke(control.get(), L"AboutBox", DISPATCH_METHOD, {}, nullptr);
    SetErrorInfo(0, nullptr);
    direct = bound->AboutBox();
    rt::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK) info->GetDescription(&text);
  }

  EXPECT_EQ(late.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(late.scode, kFailed);
  EXPECT_EQ(late.description, kText);
  EXPECT_EQ(direct, kFailed);
  EXPECT_EQ(std::wstring(text ? text : L""), kText);
  SysFreeString(text);
  EXPECT_TRUE(IsWindowEnabled(caller.get())) << "the caller's window given back";

  UINT_PTR timer = SetTimer(nullptr, 0, 200, ClickOkOfTheLibrarysAboutBox);
  g_aboutWasShown = false;
  EXPECT_HRESULT_SUCCEEDED(bound->AboutBox());
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_aboutWasShown) << "the box again once the system lets it";
}

}  // namespace
}  // namespace ambtest
