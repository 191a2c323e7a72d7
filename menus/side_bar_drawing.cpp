#include "side_bar_drawing.h"

#include <algorithm>
#include <vector>

#include "caption_language.h"
#include "image_drawing.h"
#include "menu_drawing.h"
#include "menu_fonts.h"
#include "menu_item_store.h"
#include "rounding.h"
#include "scoped_win.h"
#include "side_bar_text.h"

namespace modMenus {
namespace {

using rt::WindowDc;

HFONT MakeFont(const SideBarSpec& spec, double size, bool turned) {
  LOGFONTA font{};
  lstrcpynA(font.lfFaceName, spec.font.c_str(), LF_FACESIZE);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfWeight = spec.bold ? 800 : FW_NORMAL;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfHeight = FontHeight(size);
  font.lfEscapement = font.lfOrientation = turned ? 900 : 0;
  return CreateFontIndirectA(&font);
}

// The text block as lines centred one below the other, unturned: its length along the strip
// (width) and its depth across the strip (height).
SIZE Block(HDC dc, const std::string& text) { return MeasureText(dc, text, DT_CENTER | DT_NOPREFIX); }

int LineLength(HDC dc, std::string_view line) {
  SIZE size{};
  GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
  return size.cx;
}

struct Fit {
  double size;
  std::vector<std::string> lines;
  SIZE block;
};

Fit FitText(HDC dc, const SideBarSpec& spec, int stripWidth, int stripHeight) {
  Fit fit{spec.size, {spec.text}, {}};
  auto measureAt = [&](double size) {
    rt::GdiObject<HFONT> font(MakeFont(spec, size, false));
    HGDIOBJ old = SelectObject(dc, font.get());
    std::vector<std::string> copy = fit.lines;
    const SIZE block = Block(dc, SplitSideBarLines(copy, true, {}, 0));
    SelectObject(dc, old);
    return block;
  };
  {
    rt::GdiObject<HFONT> font(MakeFont(spec, fit.size, false));
    HGDIOBJ old = SelectObject(dc, font.get());
    SplitSideBarLines(fit.lines, true, {}, 0);
    SelectObject(dc, old);
  }
  auto fits = [&](SIZE block) { return stripHeight >= block.cx + 6 && stripWidth >= block.cy; };
  for (;;) {
    fit.block = measureAt(fit.size);
    while (!fits(fit.block) && fit.size - 1 > spec.minSize) {
      fit.size -= 1;
      fit.block = measureAt(fit.size);
    }
    if (stripHeight >= fit.block.cx + 6) break;
    // Still too long: more lines at the full size again, while the strip has room across.
    if (fit.block.cy < stripWidth) fit.size = spec.size;
    rt::GdiObject<HFONT> font(MakeFont(spec, fit.size, false));
    HGDIOBJ old = SelectObject(dc, font.get());
    const std::string broken = SplitSideBarLines(
        fit.lines, false, [&](std::string_view line) { return LineLength(dc, line); }, stripHeight);
    SelectObject(dc, old);
    if (broken.empty()) {
      fit.block = measureAt(fit.size);
      break;
    }
  }
  return fit;
}

void FillStrip(HDC dc, int width, int height, const SideBarSpec& spec) {
  if (spec.gradient)
    GradientFill(spec.backColor, spec.gradientColor, false, dc, RECT{0, 0, width, height});
  else
    DrawBox(dc, 0, 0, width, height, static_cast<int32_t>(spec.backColor));
}

}  // namespace

HBITMAP DrawSideBarText(MenuItemRecord& item, const std::string& block, HWND form) {
  const SideBarSpec spec = ReadSideBarSpec(block, GetSysColor(COLOR_MENU), SystemColor);
  WindowDc screen(form);
  rt::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  int width = spec.width;
  const int height = std::max(item.Height, 1);
  const Fit fit = FitText(dc.get(), spec, width, height);
  if (width < fit.block.cy + 6) width = fit.block.cy + 6;
  item.Width = width;

  HBITMAP strip = CreateCompatibleBitmap(screen.get(), width, height);
  HGDIOBJ oldBitmap = SelectObject(dc.get(), strip);
  FillStrip(dc.get(), width, height, spec);
  rt::GdiObject<HFONT> font(MakeFont(spec, fit.size, true));
  HGDIOBJ oldFont = SelectObject(dc.get(), font.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), spec.textColor);
  SIZE x{};
  GetTextExtentPoint32A(dc.get(), "X", 1, &x);
  const int step = x.cx + x.cx / 2;
  int at = (width - fit.block.cy) / 2;
  for (const std::string& line : fit.lines) {
    const std::string text = SideBarLineText(line);
    const int length = LineLength(dc.get(), text);
    const int y = spec.align == SideBarAlign::Bottom ? height - 3
                  : spec.align == SideBarAlign::Top  ? length + 3
                                                     : (height - length) / 2 + length;
    RECT r{at, y, at, y};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    at += step;
  }
  SelectObject(dc.get(), oldFont);
  SelectObject(dc.get(), oldBitmap);
  return strip;
}

HBITMAP DrawSideBarBitmap(MenuItemRecord& item, const std::string& block, const ImageSource& source) {
  const ResolvedImage image = GetImageListImage(block, source);
  if (!image.handle || image.width <= 0 || image.height <= 0)
    return DrawSideBarText(item, std::string(kDefaultSideBarBlock), source.form);
  const SideBarSpec spec = ReadSideBarSpec(block, GetSysColor(COLOR_MENU), SystemColor);
  const int width = spec.width, height = std::max(item.Height, 1);
  item.Width = width;
  // Shrunk to fit, keeping its proportions; never enlarged.
  double scale = std::min({1.0, double(width) / image.width, double(height) / image.height});
  const int drawnWidth = static_cast<int>(rt::RoundHalfEven(image.width * scale));
  const int drawnHeight = static_cast<int>(rt::RoundHalfEven(image.height * scale));
  const int x = (width - drawnWidth) / 2;
  const int y = spec.align == SideBarAlign::Top      ? 0
                : spec.align == SideBarAlign::Bottom ? height - drawnHeight
                                                     : (height - drawnHeight) / 2;
  WindowDc screen(source.form);
  rt::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  HBITMAP strip = CreateCompatibleBitmap(screen.get(), width, height);
  HGDIOBJ oldStrip = SelectObject(dc.get(), strip);
  rt::UniqueMemoryDc picture(CreateCompatibleDC(screen.get()));
  HGDIOBJ oldPicture = image.isBitmap ? SelectObject(picture.get(), image.handle) : nullptr;

  SideBarSpec fill = spec;
  if (spec.automaticBack) {
    if (image.isBitmap) fill.backColor = GetPixel(picture.get(), 0, 0);
    fill.gradient = false;
  }
  FillStrip(dc.get(), width, height, fill);
  if (!image.isBitmap) {
    DrawIconEx(dc.get(), x, y, static_cast<HICON>(image.handle), drawnWidth, drawnHeight, 0, nullptr, DI_NORMAL);
  } else if (!GetAttribute(block, "Transparent").empty()) {
    DrawTransparent(dc.get(), x, y, drawnWidth, drawnHeight, picture.get(), 0, 0, image.width, image.height, -1);
  } else {
    SetStretchBltMode(dc.get(), COLORONCOLOR);
    StretchBlt(dc.get(), x, y, drawnWidth, drawnHeight, picture.get(), 0, 0, image.width, image.height, SRCCOPY);
  }
  if (oldPicture) SelectObject(picture.get(), oldPicture);
  SelectObject(dc.get(), oldStrip);
  return strip;
}

}  // namespace modMenus
