#pragma once
// The inner size of a form or container in twips: one rule for the resize engine, the picture
// tools and a reset of the reference size.
#include "host_object.h"

namespace amb {

// A size in the object's own units in twips: converted from its ScaleMode through its own ScaleX
// and ScaleY. An MDI parent form, and an object without a ScaleMode, measure in twips already.
// On failure width and height are left as they were.
HostStatus ToTwips(HostObject& object, float& width, float& height);

// The object's ScaleWidth and ScaleHeight in twips, as ToTwips converts them; scaleWidth and
// scaleHeight, where given, receive them in the object's own units.
HostStatus InnerSizeInTwips(HostObject& object, float& width, float& height, float* scaleWidth = nullptr,
                            float* scaleHeight = nullptr);

}  // namespace amb
