#include "drawing_members.h"

#include <olectl.h>

#include <algorithm>
#include <cmath>

#include "scoped_win.h"

namespace rt::ole {

const MemberInfo kDrawingMembers[9] = {
    {L"DrawMode", kDrawMode, MemberKind::Property},   {L"DrawStyle", kDrawStyle, MemberKind::Property},
    {L"DrawWidth", kDrawWidth, MemberKind::Property}, {L"FillStyle", kFillStyle, MemberKind::Property},
    {L"FillColor", kFillColor, MemberKind::Property}, {L"ForeColor", kDrawingForeColor, MemberKind::Property},
    {L"Line", kLine, MemberKind::Method},             {L"Circle", kCircle, MemberKind::Method},
    {L"PaintPicture", kPaintPicture, MemberKind::Method},
};

namespace {

// FillStyle 2 to 7: horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross.
int HatchOf(LONG fillStyle) {
  constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_BDIAGONAL, HS_FDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  return kHatches[std::clamp<LONG>(fillStyle, 2, 7) - 2];
}

// The pen and brush of one drawing call, selected into the DC for its length.
class DrawingTools {
 public:
  DrawingTools(HDC dc, const DrawState& s, COLORREF color, bool fill, COLORREF fillColor)
      : dc_(dc),
        pen_(CreatePen(static_cast<int>(s.drawStyle), static_cast<int>(s.drawWidth), color)),
        brush_(fill ? (s.fillStyle == 0 ? CreateSolidBrush(fillColor) : CreateHatchBrush(HatchOf(s.fillStyle), fillColor))
                    : nullptr) {
    oldPen_ = SelectObject(dc, pen_.get());
    oldBrush_ = SelectObject(dc, brush_ ? static_cast<HGDIOBJ>(brush_.get()) : GetStockObject(NULL_BRUSH));
    oldMode_ = SetROP2(dc, static_cast<int>(s.drawMode));
  }
  ~DrawingTools() {
    SetROP2(dc_, oldMode_);
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldPen_);
  }
  DrawingTools(const DrawingTools&) = delete;
  DrawingTools& operator=(const DrawingTools&) = delete;

 private:
  HDC dc_;
  GdiObject<HPEN> pen_;
  GdiObject<HBRUSH> brush_;
  HGDIOBJ oldPen_, oldBrush_;
  int oldMode_;
};

HRESULT Property(LONG& field, LONG low, LONG high, Call& call) {
  if (call.access() == Access::Get) return call.Return(field);
  LONG value = 0;
  if (!call.NewLong(value)) return DISP_E_EXCEPTION;
  if (value < low || value > high) return call.Fail(RuntimeError::InvalidPropertyValue);
  field = value;
  return S_OK;
}

HRESULT Color(OleColor& field, Call& call) {
  if (call.access() == Access::Get) return call.Return(static_cast<LONG>(field));
  LONG value = 0;
  if (!call.NewLong(value)) return DISP_E_EXCEPTION;
  field = static_cast<OleColor>(value);
  return S_OK;
}

bool Numbers(Call& call, size_t first, size_t count, double* out) {
  for (size_t i = 0; i < count; ++i)
    if (!call.Has(first + i) || !call.Double(first + i, out[i])) return false;
  return true;
}

HRESULT Line(Call& call, DrawTarget& t) {
  double at[4];
  LONG color = static_cast<LONG>(t.state.foreColor), box = 0;
  if (!Numbers(call, 0, 4, at)) return call.Description().empty() ? call.Fail(RuntimeError::InvalidCall) : DISP_E_EXCEPTION;
  if ((call.Has(4) && !call.Long(4, color)) || (call.Has(5) && !call.Long(5, box))) return DISP_E_EXCEPTION;
  if (box < 0 || box > 2) return call.Fail(RuntimeError::InvalidCall);
  POINT a = t.toPixels(at[0], at[1]), b = t.toPixels(at[2], at[3]);
  COLORREF ink = ToColorRef(static_cast<OleColor>(color));
  if (box == 0) {
    DrawingTools tools(t.dc, t.state, ink, false, 0);
    MoveToEx(t.dc, a.x, a.y, nullptr);
    LineTo(t.dc, b.x, b.y);
    SetPixelV(t.dc, b.x, b.y, ink);  // the platform's lines include their end point
  } else {
    RECT r{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
    bool filled = box == 2;
    DrawingTools tools(t.dc, t.state, ink, !filled && t.state.fillStyle != 1,
                       ToColorRef(t.state.fillColor));
    if (filled) {
      GdiObject<HBRUSH> brush(CreateSolidBrush(ink));
      FillRect(t.dc, &r, brush.get());
    } else {
      Rectangle(t.dc, r.left, r.top, r.right, r.bottom);
    }
  }
  t.show();
  return S_OK;
}

HRESULT Circle(Call& call, DrawTarget& t) {
  double at[3];
  LONG color = static_cast<LONG>(t.state.foreColor);
  if (!Numbers(call, 0, 3, at)) return call.Description().empty() ? call.Fail(RuntimeError::InvalidCall) : DISP_E_EXCEPTION;
  if (call.Has(3) && !call.Long(3, color)) return DISP_E_EXCEPTION;
  POINT c = t.toPixels(at[0], at[1]), edge = t.toPixels(at[0] + at[2], at[1] + at[2]);
  int rx = std::abs(edge.x - c.x), ry = std::abs(edge.y - c.y);
  DrawingTools tools(t.dc, t.state, ToColorRef(static_cast<OleColor>(color)), t.state.fillStyle != 1,
                     ToColorRef(t.state.fillColor));
  Ellipse(t.dc, c.x - rx, c.y - ry, c.x + rx + 1, c.y + ry + 1);
  t.show();
  return S_OK;
}

HRESULT PaintPicture(Call& call, DrawTarget& t) {
  VARIANT* picture = call.Arg(0);
  rt::ComPtr<IPicture> pic;
  IUnknown* object = picture && (V_VT(picture) == VT_DISPATCH || V_VT(picture) == VT_UNKNOWN) ? V_UNKNOWN(picture)
                                                                                             : nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IPicture, pic.put_void())))
    return call.Fail(RuntimeError::TypeMismatch);
  double at[2];
  if (!Numbers(call, 1, 2, at)) return call.Description().empty() ? call.Fail(RuntimeError::InvalidCall) : DISP_E_EXCEPTION;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  pic->get_Width(&width);
  pic->get_Height(&height);
  // The picture's own size on this display, in pixels, for the parts left out.
  HDC screen = GetDC(nullptr);
  double pxPerHimX = GetDeviceCaps(screen, LOGPIXELSX) / 2540.0, pxPerHimY = GetDeviceCaps(screen, LOGPIXELSY) / 2540.0;
  ReleaseDC(nullptr, screen);
  POINT origin = t.toPixels(at[0], at[1]);
  LONG w = std::lround(width * pxPerHimX), h = std::lround(height * pxPerHimY);
  double size[2];
  if (call.Has(3) && call.Has(4)) {
    if (!Numbers(call, 3, 2, size)) return DISP_E_EXCEPTION;
    POINT corner = t.toPixels(at[0] + size[0], at[1] + size[1]);
    w = corner.x - origin.x;
    h = corner.y - origin.y;
  }
  // The part of the picture: HIMETRIC from its top left corner, in the surface's scale.
  OLE_XPOS_HIMETRIC srcX = 0;
  OLE_YPOS_HIMETRIC srcY = 0;
  OLE_XSIZE_HIMETRIC srcW = width;
  OLE_YSIZE_HIMETRIC srcH = height;
  double part[4];
  if (call.Has(5) && call.Has(6) && Numbers(call, 5, 2, part)) {
    POINT p0 = t.toPixels(0, 0), p = t.toPixels(part[0], part[1]);
    srcX = std::lround((p.x - p0.x) / pxPerHimX);
    srcY = std::lround((p.y - p0.y) / pxPerHimY);
    srcW = width - srcX;
    srcH = height - srcY;
  }
  if (call.Has(7) && call.Has(8) && Numbers(call, 7, 2, part + 2)) {
    POINT p0 = t.toPixels(0, 0), p = t.toPixels(part[2], part[3]);
    srcW = std::lround((p.x - p0.x) / pxPerHimX);
    srcH = std::lround((p.y - p0.y) / pxPerHimY);
  }
  // IPicture::Render draws bottom up in HIMETRIC: the source's y runs from its lower edge.
  HRESULT hr = pic->Render(t.dc, origin.x, origin.y, w, h, srcX, height - srcY, srcW, -srcH, nullptr);
  if (FAILED(hr)) return call.Fail(RuntimeError::InvalidCall);
  t.show();
  return S_OK;
}

}  // namespace

bool IsDrawingMember(DISPID id) { return id >= kDrawMode && id <= kPaintPicture; }

HRESULT RunDrawing(const MemberInfo& member, Call& call, DrawTarget& target) {
  DrawState& s = target.state;
  switch (member.id) {
    case kDrawMode: return Property(s.drawMode, R2_BLACK, R2_WHITE, call);
    case kDrawStyle: return Property(s.drawStyle, PS_SOLID, PS_INSIDEFRAME, call);
    case kDrawWidth: return Property(s.drawWidth, 1, 32767, call);
    case kFillStyle: return Property(s.fillStyle, 0, 7, call);
    case kFillColor: return Color(s.fillColor, call);
    case kDrawingForeColor: return Color(s.foreColor, call);
  }
  if (!target.dc) return call.Fail(RuntimeError::InvalidCall);
  switch (member.id) {
    case kLine: return Line(call, target);
    case kCircle: return Circle(call, target);
    case kPaintPicture: return PaintPicture(call, target);
  }
  return call.Fail(RuntimeError::NoSuchMember);
}

}  // namespace rt::ole
