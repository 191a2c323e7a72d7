#pragma once
// Menu images: a bitmap or an icon drawn at a given size, normally, with its background, without
// its transparent colour, or greyed for a disabled item.
#include <windows.h>

#include <string>
#include <string_view>

namespace modMenus {

// An image handle as the item store keeps it: written in decimal.
std::string ImageKeyOf(HANDLE image);
HANDLE ImageOfKey(std::string_view key);

// imageSpec: an image handle in decimal (bitmap or icon), or a file path whose small shell icon
// is drawn. mode 1 draws a bitmap with its background; other modes leave its top-left colour
// out. Disabled images are drawn as a shadow (embossed: a light copy below and right, then the
// shadow). False when there is nothing to draw.
bool DrawImage(HDC dc, std::string_view imageSpec, const RECT& rect, bool disabled, bool embossed, int mode,
               int offsetX, int offsetY, int width, int height);

// Copies the source rectangle to the destination, stretched, except for the pixels of
// transparentColor (negative: the source's top-left pixel), which leave the destination as it was.
void DrawTransparent(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                     int sourceHeight, int32_t transparentColor, bool mirrorX = false, bool mirrorY = false);

}  // namespace modMenus
