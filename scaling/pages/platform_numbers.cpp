#include "platform_numbers.h"

#include <oleauto.h>

#include "wide_text.h"

namespace amb::pages {

std::optional<double> PlatformNumbers::Parse(std::string_view text) const {
  std::wstring wide = WideFromUtf8(text);
  double value = 0;
  if (FAILED(VarR8FromStr(wide.data(), locale_, 0, &value))) return std::nullopt;
  return value;
}

std::string PlatformNumbers::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(locale_, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
  return Utf8FromWide(separator);
}

}  // namespace amb::pages
