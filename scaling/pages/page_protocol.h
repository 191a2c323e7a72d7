#pragma once
// What every property page of the control shares: values are loaded once per page object, and an
// edit marks the page changed only once they are; the page's own filling never does.
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

 private:
  bool loaded_ = false;
  bool changed_ = false;
};

// A Boolean property shows as checked when its value And 1 is 1; only a box that is exactly
// checked (1) writes True.
inline int CheckOf(double value) { return (static_cast<long long>(value) & 1) ? 1 : 0; }
inline bool TruthOf(int checkState) { return checkState == 1; }

}  // namespace amb::pages
