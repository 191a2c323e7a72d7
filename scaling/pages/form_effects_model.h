#pragma once
// The FormEffects page's values: the three effect lists and the two time boxes, whose text is
// held to a number of seconds from 0 to 10 while the developer types.
#include <map>
#include <string>
#include <string_view>

#include "host_object.h"
#include "locale_numbers.h"
#include "page_protocol.h"

namespace amb::pages {

inline constexpr std::string_view kEffectItems[] = {"None",      "Wipe Left",     "Wipe Right",      "Wipe Up",
                                                    "Wipe Down", "Wipe Vertical", "Wipe Horizontal", "Fold"};
inline constexpr std::string_view kPictureItems[] = {"None", "Fit to Form", "Center in Form", "Tile in Form"};

struct TimeBoxEdit {
  std::string text;
  bool replaced = false;  // the text was replaced; the caret goes behind its second character
};
// A lone "." or decimal separator gets a 0 before it; a text that is no number or below 0 becomes "0",
// above 10 "10"; an empty text stays empty.
TimeBoxEdit TimeBoxRule(std::string_view text, const LocaleNumbers& numbers);

struct EffectsContents {
  ListPositions lists;                                    // FormOpen, FormClose, FormPicture
  StoredListValues storedLists;                           // the values the lists were loaded from
  std::map<std::string, std::string, std::less<>> times;   // FormOpenTime, FormCloseTime, as shown
};

HostStatus LoadEffects(HostObject& control, const LocaleNumbers& numbers, EffectsContents& out);
// Five writes; the times go as numbers read in the given locale, a box still empty as 0. A time
// that is no number refuses the apply before anything is written.
HostStatus ApplyEffects(HostObject& control, const LocaleNumbers& numbers, const EffectsContents& contents);

}  // namespace amb::pages
