#pragma once
// The events a host may ask the menu engine for: the tip of the item under the cursor, a choice
// in a generated panel and the closing of the menus. The engine shares ownership of the object,
// so it stays valid for as long as a window is attached with it.
#include <cstdint>
#include <functional>
#include <string>
#include <variant>

namespace modMenus {

// A date chosen in a panel: whole days since 30 December 1899.
struct ChoiceDate {
  int32_t serial = 0;
  bool operator==(const ChoiceDate&) const = default;
};

using ChoiceValue = std::variant<int32_t, std::string, ChoiceDate>;

class cTips {
 public:
  std::function<void(const std::string& TipText)> ShowTip;
  std::function<void(const std::string& UserID, const std::string& Category, const ChoiceValue& Value)> ItemSelected;
  std::function<void(int KeyCode, int Shift)> MenuKeyDown;
  std::function<void(int KeyCode, int Shift)> MenuKeyUp;

  void FireTip(const std::string& text) { Raise(ShowTip, text); }
  void FireItemSelected(const std::string& userId, const std::string& category, const ChoiceValue& value) {
    Raise(ItemSelected, userId, category, value);
  }
  void FireKey(int keyCode, int shift, bool keyUp) { Raise(keyUp ? MenuKeyUp : MenuKeyDown, keyCode, shift); }

 private:
  // A host's handler that fails does not reach the engine: it runs inside a window procedure.
  template <class Handler, class... Args>
  static void Raise(const Handler& handler, const Args&... args) noexcept {
    if (!handler) return;
    try {
      handler(args...);
    } catch (...) {
    }
  }
};

}  // namespace modMenus
