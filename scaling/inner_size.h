#pragma once
// The host form's inner size in twips, as the resize engine measures it.
#include "host_form.h"

namespace amb {

// An MDI parent form's ScaleWidth and ScaleHeight as they are; any other form's converted from its
// ScaleMode with its own ScaleX and ScaleY.
HostStatus InnerSizeTwips(HostForm& form, bool mdiParent, float& width, float& height);

}  // namespace amb
