#pragma once
// Pictures stretched to a size, and laid out (centred or tiled) over a container's background.
// The drawing is the platform's; where things go is plain arithmetic here.
#include <cstdint>

#include "host_object.h"

namespace amb {

enum class PictureLayout { Center, Tile };

// Draws pictures; sizes are in twips.
class PictureTools {
 public:
  virtual ~PictureTools() = default;
  // False when the object is not a picture or holds no image.
  virtual bool SizeOf(HostObject& picture, float& width, float& height) = 0;
  // A new picture of the given size with the source stretched over it; null when nothing was drawn.
  virtual HostObjectPtr Stretch(HostObject& picture, float width, float height) = 0;
  // A new picture of the given size in backColor with the source centred or tiled on it at
  // the offsets that CenterOffset and the tile grid give.
  virtual HostObjectPtr Lay(HostObject& picture, PictureLayout layout, float width, float height,
                            int32_t backColor) = 0;
};

// Where a picture of extent p starts inside a container of extent c: centred when it fits,
// otherwise at the edge (cut off at the other).
float CenterOffset(float container, float picture);
// Tiles start one twip in and repeat every picture extent while they start inside the container.
inline constexpr float kTileStart = 1;
int64_t TileCount(float container, float picture);
// IPicture sizes are HIMETRIC (0.01 mm).
inline float HimetricToTwips(float himetric) { return himetric * 1440.0f / 2540.0f; }

// The picture at its own size times the ratios; null for Nothing, an empty picture, or a failure.
HostObjectPtr ScalePicture(PictureTools& tools, const HostObjectPtr& picture, double xScale, double yScale);
// The picture at exactly width × height twips; null as above.
HostObjectPtr SizePicture(PictureTools& tools, const HostObjectPtr& picture, double width, double height);
// Gives the container a new Picture with the picture centred or tiled on its background colour.
// An empty picture leaves the container as it is.
HostStatus LayPicture(PictureTools& tools, HostObject& container, const HostObjectPtr& picture, PictureLayout layout);

// The form's picture modes (FormPicture): none, fit, centre, tile.
enum FormPictureMode : int32_t { kFpNone = 0, kFpFit = 1, kFpCenter = 2, kFpTile = 3 };
// The design picture of the form fitted, centred or tiled on it; the size is the form's inner
// size in twips. Nothing happens without a picture or with the gradient painted instead.
void ApplyFormPicture(PictureTools& tools, HostObject& form, const HostObjectPtr& formPicture, int32_t mode,
                      bool gradientFill, float width, float height);

}  // namespace amb
