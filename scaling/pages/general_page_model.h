#pragma once
// The General page's values: which box shows which property, what a load reads and what an apply
// writes, in the page's fixed orders.
#include <map>
#include <string>
#include <string_view>

#include "host_object.h"
#include "locale_numbers.h"
#include "page_protocol.h"

namespace amb::pages {

// What the page's controls hold: check states (0, 1, 2 greyed), texts and list positions (-1: none),
// each under its property's name.
struct GeneralContents {
  std::map<std::string, int, std::less<>> checks;
  std::map<std::string, std::string, std::less<>> texts;
  ListPositions lists;
  StoredListValues storedLists;  // the values the lists were loaded from
};

inline constexpr std::string_view kGradientSourceItems[] = {"Top",     "Bottom",     "Right",      "Left",
                                                            "TopLeft", "TopRight",   "BottomLeft", "BottomRight",
                                                            "Middle",  "Outside"};
inline constexpr std::string_view kGradientTypeItems[] = {"Linear", "Radial"};

// Reads every property the page shows; stops at the first read that fails, or at a Boolean that
// is no 32-bit number ("Overflow").
HostStatus LoadGeneral(HostObject& control, GeneralContents& out);
// Cleans the numeric boxes (one that the platform's numeric test refuses becomes "0", in contents
// too, so the page shows it), refuses the whole apply when a number does not fit its property
// ("ScaleX: Overflow"), then writes all 23 properties, the numbers as numbers read in the given
// locale; stops at the first write that fails, named after its property.
HostStatus ApplyGeneral(HostObject& control, const LocaleNumbers& numbers, GeneralContents& contents);

}  // namespace amb::pages
