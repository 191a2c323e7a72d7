#include "host_controls.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "caption_text.h"
#include "controls.h"
#include "form.h"

namespace modMenus {
namespace {

// The loaded form whose window is form; the last loaded first.
rt::Form* HostForm(HWND form) {
  const auto& loaded = rt::Forms::Loaded();
  for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
    if ((*it)->IsLoaded() && (*it)->hWnd() == form) return *it;
  return nullptr;
}

// "lstFiles" or, for a member of a control array, "lstFiles(2)".
rt::Control* HostControl(HWND form, std::string_view name) {
  const std::string text = TrimBlanks(name);
  rt::Form* host = text.empty() ? nullptr : HostForm(form);
  if (!host) return nullptr;
  const size_t open = text.rfind('(');
  if (text.back() == ')' && open != std::string::npos) {
    // An index no int holds names no control (and must not overflow on the way).
    const long long index = std::strtoll(text.c_str() + open + 1, nullptr, 10);
    if (index < INT_MIN || index > INT_MAX) return nullptr;
    return host->FindControl(text.substr(0, open), static_cast<int>(index));
  }
  return host->FindControl(text);
}

}  // namespace

HWND FindHostControl(HWND form, std::string_view name) {
  rt::Control* control = HostControl(form, name);
  return control ? control->hWnd() : nullptr;
}

HANDLE HostControlPicture(HWND form, std::string_view name) {
  auto* image = dynamic_cast<rt::Image*>(HostControl(form, name));
  return image ? image->Picture() : nullptr;
}

}  // namespace modMenus
