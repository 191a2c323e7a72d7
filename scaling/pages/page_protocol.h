#pragma once
// What every property page of the control shares: values are loaded from one control, and again
// only once that control left the selection; an edit marks the page changed only once they are
// loaded, and the page's own filling never does.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
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
  // The frame set the selection. The values shown, and the edits among them, belong to the control
  // they were loaded from: they stay while the selection holds that control. A selection without
  // it, the empty one included, drops them, and the page loads again from the next selection.
  // True when the page dropped what it showed.
  bool SelectionSet(bool holdsLoadedControl) {
    if (!loaded_ || holdsLoadedControl) return false;
    loaded_ = changed_ = false;
    return true;
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

// A drop-down list that shows an enumeration property shows the stored value's position, or no
// item (-1) when the value lies outside the list (set by code); such a value is written back as it
// was, not as "no item". Both maps are keyed by the property's name.
using ListPositions = std::map<std::string, int, std::less<>>;
using StoredListValues = std::map<std::string, double, std::less<>>;
inline void LoadListPosition(const std::string& property, double stored, size_t itemCount, ListPositions& shown,
                             StoredListValues& storedValues) {
  bool inList = stored >= 0 && stored < static_cast<double>(itemCount);
  shown[property] = inList ? static_cast<int>(stored) : -1;
  storedValues[property] = stored;
}
inline double ListValueToWrite(std::string_view property, const ListPositions& shown,
                               const StoredListValues& storedValues) {
  auto position = shown.find(property);
  int at = position == shown.end() ? -1 : position->second;
  auto stored = storedValues.find(property);
  return at < 0 && stored != storedValues.end() ? stored->second : static_cast<double>(at);
}

// A failed read or write as the developer reads it, named after its property ("ScaleX:
// Overflow"); a success stays one.
inline HostStatus NamedFailure(std::string_view property, HostStatus status) {
  if (!status) status.description = std::string(property) + ": " + status.description;
  return status;
}

}  // namespace amb::pages
