#include "ambrelo_settings.h"

#include <utility>

namespace amb {

void ApplyNewInstanceDefaults(AmbreloSettings& s) {
  AmbreloSettings fresh;
  fresh.enabled = s.enabled;
  fresh.mdiChildWidth = s.mdiChildWidth;
  fresh.mdiChildHeight = s.mdiChildHeight;
  fresh.design = s.design;
  fresh.flags = std::move(s.flags);
  s = std::move(fresh);
}

}  // namespace amb
