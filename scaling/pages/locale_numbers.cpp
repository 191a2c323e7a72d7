#include "locale_numbers.h"

#include <cstdio>

namespace amb::pages {

std::string SingleText(float value, const LocaleNumbers& numbers) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  std::string shown(text);
  if (size_t point = shown.find('.'); point != std::string::npos) shown.replace(point, 1, numbers.DecimalSeparator());
  return shown;
}

}  // namespace amb::pages
