#pragma once
// An in-memory screen, MDI client window and settings area for the placement.
#include <map>
#include <string>
#include <vector>

#include "form_placement.h"

namespace amb::test {

class FakePlacementPlatform : public PlacementPlatform {
 public:
  ScreenMetrics screen{19200, 14400, 15, 15};
  std::optional<PixelRect> parent = PixelRect{10, 20, 810, 620};  // the MDI client window, 800 x 600
  std::vector<intptr_t> topMost, notTopMost;
  std::map<std::string, std::map<std::string, std::string>> store;  // section -> key -> value
  bool refuseWrites = false;

  ScreenMetrics Screen() override { return screen; }
  std::optional<PixelRect> ParentWindowRect(intptr_t) override { return parent; }
  void SetTopMost(intptr_t window, bool onTop) override { (onTop ? topMost : notTopMost).push_back(window); }
  bool SaveSetting(const std::string& section, const std::string& key, const std::string& value) override {
    if (refuseWrites) return false;
    store[section][key] = value;
    return true;
  }
  std::optional<std::string> GetSetting(const std::string& section, const std::string& key) override {
    auto s = store.find(section);
    if (s == store.end()) return std::nullopt;
    auto v = s->second.find(key);
    return v == s->second.end() ? std::nullopt : std::optional<std::string>(v->second);
  }
  void DeleteSection(const std::string& section) override { store.erase(section); }
};

}  // namespace amb::test
