#include "host_form.h"

namespace amb {
namespace {

template <class T>
HostStatus GetAs(HostForm& host, std::string_view member, BagType type, T& out) {
  BagValue v;
  HostStatus s = host.Get(member, v);
  if (!s) return s;
  std::optional<BagValue> converted = ConvertBagValue(v, type);
  if (!converted) return HostStatus::Failed("Type mismatch");
  out = std::get<T>(*converted);
  return {};
}

}  // namespace

HostStatus GetSingle(HostForm& host, std::string_view member, float& out) {
  return GetAs(host, member, BagType::Single, out);
}
HostStatus GetLong(HostForm& host, std::string_view member, int32_t& out) {
  return GetAs(host, member, BagType::Long, out);
}
HostStatus GetBoolean(HostForm& host, std::string_view member, bool& out) {
  return GetAs(host, member, BagType::Boolean, out);
}

HostStatus GetWindowHandle(HostForm& host, intptr_t& out) {
  int32_t hwnd = 0;
  HostStatus s = GetLong(host, "hWnd", hwnd);
  if (s) out = static_cast<intptr_t>(hwnd);
  return s;
}

}  // namespace amb
