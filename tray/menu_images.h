#pragma once
// Resource ids of the tray menu's images: image n of the captions ("{img:In}") is icon 100 + n.

namespace tray {

inline constexpr int kMenuImageCount = 22;
inline constexpr int kMenuImageIds[kMenuImageCount] = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111,
                                                       112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122};

}  // namespace tray
