#pragma once
// The General page's values: which box shows which property, what a load reads and what an apply
// writes, in the page's fixed orders.
#include <map>
#include <string>
#include <string_view>

#include "host_object.h"

namespace amb::pages {

// What the page's controls hold: check states (0, 1, 2 greyed), texts and list positions (-1: none),
// each under its property's name.
struct GeneralContents {
  std::map<std::string, int, std::less<>> checks;
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, int, std::less<>> lists;
  // The values the lists were loaded from: a value outside its list shows no item and is written
  // back as it was, not as "no item".
  std::map<std::string, double, std::less<>> storedLists;
};

inline constexpr std::string_view kGradientSourceItems[] = {"Top",     "Bottom",     "Right",      "Left",
                                                            "TopLeft", "TopRight",   "BottomLeft", "BottomRight",
                                                            "Middle",  "Outside"};
inline constexpr std::string_view kGradientTypeItems[] = {"Linear", "Radial"};

// The platform's numeric test for a text: blanks around an optionally signed decimal number with
// an optional exponent; an empty text is not numeric.
bool IsNumericText(std::string_view text);

// Reads every property the page shows; stops at the first read that fails.
HostStatus LoadGeneral(HostObject& control, GeneralContents& out);
// Cleans the numeric boxes (a non-numeric one becomes "0", in contents too, so the page shows it)
// and writes all 23 properties; stops at the first write that fails.
HostStatus ApplyGeneral(HostObject& control, GeneralContents& contents);

}  // namespace amb::pages
