// Labels and images: no window of their own; the container paints them.
#include "app.h"
#include "color.h"
#include "controls.h"
#include "form.h"
#include "screen.h"
#include "text_encoding.h"

namespace rt {

void Label::Create(HWND) {
  if (design_.autoSize) FitToText();
}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (design_.autoSize) FitToText();
  InvalidateArea();
}

void Label::OnFontChanged() {
  if (design_.autoSize) FitToText();
}

UINT Label::DrawFlags() const {
  UINT flags = design_.autoSize ? 0 : DT_WORDBREAK;
  if (design_.alignment == Alignment::Right) flags |= DT_RIGHT;
  else if (design_.alignment == Alignment::Center) flags |= DT_CENTER;
  return flags;
}

// Grows or shrinks to the text; a right-aligned label keeps its right edge, the others their left.
void Label::FitToText() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font_.get());
  RECT r{0, 0, 0, 0};
  std::wstring text = WideText(caption_.empty() ? " " : caption_);
  DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | (DrawFlags() & ~DT_WORDBREAK));
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int width = static_cast<int>(Screen().PixelsToTwipsX(caption_.empty() ? 0 : r.right));
  int height = static_cast<int>(Screen().PixelsToTwipsY(r.bottom));
  int left = design_.alignment == Alignment::Right ? left_ + width_ - width : left_;
  Move(left, top_, width, height);
}

void Label::Paint(HDC dc) {
  RECT r = PixelRect();
  if (!design_.transparent) {
    COLORREF back = ToColorRef(backColor_ == kNoColor ? SystemColor(COLOR_BTNFACE) : backColor_);
    GdiObject<HBRUSH> brush(CreateSolidBrush(back));
    FillRect(dc, &r, brush.get());
  }
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, font_.get());
  // Drawn from UTF-16: the A call would read the text in the code page of the font's character
  // set, not in the program's.
  std::wstring text = WideText(caption_);
  if (enabled_) {
    SetTextColor(dc, ToColorRef(foreColor_ == kNoColor ? SystemColor(COLOR_BTNTEXT) : foreColor_));
    DrawTextW(dc, text.c_str(), -1, &r, DrawFlags());
  } else {  // the engraved look of a disabled label
    RECT shadow = r;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), -1, &shadow, DrawFlags());
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), -1, &r, DrawFlags());
  }
  SelectObject(dc, old);
}

void Image::Create(HWND) {
  HINSTANCE instance = App().hInstance ? App().hInstance : CodeModule();
  const PictureDesign& picture = design_.picture;
  if (picture.kind == PictureDesign::Kind::Icon) {
    icon_ = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(picture.resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  } else if (picture.kind == PictureDesign::Kind::Bitmap) {
    ownBitmap_.reset(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(picture.resourceId), IMAGE_BITMAP, 0, 0, 0)));
    bitmap_ = ownBitmap_.get();
  }
}

void Image::SetPicture(HICON icon) {
  icon_ = icon;
  bitmap_ = nullptr;
  InvalidateArea();
}

void Image::SetPicture(HBITMAP bitmap) {
  bitmap_ = bitmap;
  icon_ = nullptr;
  InvalidateArea();
}

void Image::TakePicture(HBITMAP bitmap) {
  SetPicture(bitmap);
  ownBitmap_.reset(bitmap);  // the one shown before, if it was ours, goes now
}

void Image::Paint(HDC dc) {
  RECT r = PixelRect();
  if (icon_) {
    int width = design_.stretch ? r.right - r.left : 0, height = design_.stretch ? r.bottom - r.top : 0;
    DrawIconEx(dc, r.left, r.top, icon_, width, height, 0, nullptr, DI_NORMAL | (design_.stretch ? 0 : DI_DEFAULTSIZE));
  } else if (bitmap_) {
    BITMAP info{};
    GetObjectA(bitmap_, sizeof info, &info);
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    HGDIOBJ old = SelectObject(source.get(), bitmap_);
    if (design_.stretch)
      StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.get(), 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
    else
      BitBlt(dc, r.left, r.top, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), old);
  }
}

}  // namespace rt
