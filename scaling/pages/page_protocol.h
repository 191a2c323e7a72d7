#pragma once
// What every property page of the control shares: values are loaded once per page object, and an
// edit marks the page changed only once they are; the page's own filling never does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host_form.h"
#include "rounding.h"

namespace amb::pages {

class PageProtocol {
 public:
  bool Loaded() const { return loaded_; }
  bool Changed() const { return changed_; }
  void SetLoaded() { loaded_ = true; }
  // An edit of one of the page's controls; true when the page became changed by it.
  bool EditMade() {
    if (!loaded_ || changed_) return false;
    changed_ = true;
    return true;
  }
  void Applied() { changed_ = false; }
  // The values shown hold no edit and no longer stand for a control: the next selection loads.
  void Forget() {
    if (!changed_) loaded_ = false;
  }

 private:
  bool loaded_ = false;
  bool changed_ = false;
};

// A number the platform takes as a 32-bit integer (rounded half to even, as its conversion does).
using rt::LongOf;

// A Boolean property shows as checked when its value And 1 is 1; only a box that is exactly
// checked (1) writes True. A value that is no 32-bit integer has no check.
inline std::optional<int> CheckOf(double value) {
  std::optional<int32_t> whole = LongOf(value);
  if (!whole) return std::nullopt;
  return (*whole & 1) ? 1 : 0;
}
inline bool TruthOf(int checkState) { return checkState == 1; }

// A failed read or write as the developer reads it, named after its property ("ScaleX:
// Overflow"); a success stays one.
inline HostStatus NamedFailure(std::string_view property, HostStatus status) {
  if (!status) status.description = std::string(property) + ": " + status.description;
  return status;
}

}  // namespace amb::pages
