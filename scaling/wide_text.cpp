#include "wide_text.h"

namespace amb {

BSTR AllocBstr(std::string_view text) {
  std::wstring wide = WideFromUtf8(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace amb
