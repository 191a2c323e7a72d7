#include "panel_choice.h"


#include "caption_language.h"
#include "caption_text.h"

namespace modMenus {
namespace {

int32_t Number(const std::string& text) { return LeadingLong(text); }

}  // namespace

std::optional<PanelChoice> DecodePanelChoice(std::string_view block) {
  static constexpr const char* kPayloads[] = {"LColor:", "LMonth:", "LState:", "LDay:", "LDate:", "LFont:", "LDrv:"};
  for (const char* key : kPayloads) {
    const std::string payload = GetAttribute(block, key);
    if (payload.empty()) continue;
    PanelChoice choice;
    choice.userId = GetAttribute(block, "lvID:");
    const std::string_view name(key);
    if (name == "LColor:") {
      choice.category = "Color";
      choice.value = Number(payload);
      choice.customColor = Number(payload) == -1;
      if (choice.customColor) {
        const std::string initial = GetAttribute(block, "LDefClr:");
        choice.defaultColor = initial.empty() ? -1 : Number(initial);
      }
    } else if (name == "LMonth:") {
      choice.category = "Month";
      choice.value = Number(payload);
    } else if (name == "LState:") {
      choice.category = "State";
      choice.value = payload;
    } else if (name == "LDay:") {
      choice.category = "WeekDay";
      choice.value = Number(payload);
    } else if (name == "LDate:") {
      choice.category = "DayOfMonth";
      choice.value = ChoiceDate{Number(payload)};
    } else if (name == "LFont:") {
      choice.category = "Font";
      choice.value = FontOfItem(block);
    } else {
      choice.category = "Drive";
      choice.value = payload.substr(0, 3);
    }
    return choice;
  }
  return std::nullopt;
}

}  // namespace modMenus
