#pragma once
// What a choice in a generated list panel reports: the payload its item's caption carries,
// turned into the user id, category and value the host's ItemSelected event receives.
#include <optional>
#include <string>
#include <string_view>

#include "menu_tips.h"

namespace modMenus {

struct PanelChoice {
  std::string userId;    // the panel's "ID:", "0" when it had none
  std::string category;  // "Color", "WeekDay", "Month", "State", "DayOfMonth", "Font", "Drive"
  ChoiceValue value;
  bool customColor = false;  // "Select a custom color": the colour is still to be asked for
  int32_t defaultColor = -1;  // with customColor: the colour the dialog opens on, -1 none
};

// The choice an item's attribute block reports; nothing for an item without a panel payload.
std::optional<PanelChoice> DecodePanelChoice(std::string_view block);

}  // namespace modMenus
