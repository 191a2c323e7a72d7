#include "user_locale_numbers.h"

#include <windows.h>
#include <oleauto.h>

#include "wide_text.h"

namespace amb::pages {

std::optional<double> UserLocaleNumbers::Parse(std::string_view text) const {
  std::wstring wide = WideFromUtf8(text);
  double value = 0;
  if (FAILED(VarR8FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return std::nullopt;
  return value;
}

std::string UserLocaleNumbers::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
  return Utf8FromWide(separator);
}

}  // namespace amb::pages
