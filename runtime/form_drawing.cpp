// A form's drawing surface: its background colour and picture, and the persistent image that
// drawing goes to while AutoRedraw is on.
#include <algorithm>

#include "color.h"
#include "form.h"
#include "form_parts.h"

namespace rt {

HFONT Form::Font() const { return parts_ ? parts_->font.get() : nullptr; }

void Form::SetBackColor(OleColor color) {
  Load();
  backColor_ = color;
  if (!parts_) return;
  parts_->backBrush.reset();
  if (autoRedraw_) Cls();
  else if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HDC Form::hDC() {
  Load();
  if (!hwnd_) return nullptr;
  if (autoRedraw_) return parts_->backingDc.get();
  return GetDC(hwnd_);  // the class's own DC: it needs no release
}

void Form::EnsureBackingSize() {
  if ((!autoRedraw_ && !parts_->backingDc) || !hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SIZE wanted{std::max(client.right, parts_->backingSize.cx), std::max(client.bottom, parts_->backingSize.cy)};
  if (parts_->backingDc && wanted.cx == parts_->backingSize.cx && wanted.cy == parts_->backingSize.cy) return;
  HDC windowDc = GetDC(hwnd_);
  UniqueMemoryDc dc(CreateCompatibleDC(windowDc));
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(windowDc, std::max<LONG>(wanted.cx, 1), std::max<LONG>(wanted.cy, 1)));
  if (!dc || !bitmap) return;
  SelectObject(dc.get(), bitmap.get());
  RECT all{0, 0, wanted.cx, wanted.cy};
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(backColor_)));
  FillRect(dc.get(), &all, brush.get());
  if (parts_->backingDc) {
    BitBlt(dc.get(), 0, 0, parts_->backingSize.cx, parts_->backingSize.cy, parts_->backingDc.get(), 0, 0, SRCCOPY);
  } else if (parts_->picture) {
    UniqueMemoryDc source(CreateCompatibleDC(windowDc));
    HGDIOBJ old = SelectObject(source.get(), parts_->picture.get());
    BITMAP info{};
    GetObjectA(parts_->picture.get(), sizeof info, &info);
    BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), old);
  }
  // The text drawn on the image takes the form's font and colours, as drawing methods did.
  SelectObject(dc.get(), parts_->font.get());
  SetBkMode(dc.get(), TRANSPARENT);
  parts_->backingDc = std::move(dc);  // the old DC goes first, then the old bitmap
  parts_->backing = std::move(bitmap);
  parts_->backingSize = wanted;
}

void Form::Cls() {
  Load();
  if (!hwnd_) return;
  if (parts_->backingDc) {
    parts_->backingDc.reset();
    parts_->backing.reset();
    parts_->backingSize = {0, 0};
    EnsureBackingSize();
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::SetAutoRedraw(bool on) {
  Load();
  if (!hwnd_ || autoRedraw_ == on) return;
  autoRedraw_ = on;
  EnsureBackingSize();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::Refresh() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
}

HBITMAP Form::Picture() const { return parts_ ? parts_->picture.get() : nullptr; }

void Form::SetPicture(HBITMAP bitmap) {
  GdiObject<HBITMAP> taken(bitmap);
  if (!parts_) return;
  parts_->picture = std::move(taken);
  if (autoRedraw_) Cls();
  else if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace rt
