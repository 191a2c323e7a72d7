#pragma once
// The command line of the program: its arguments and the action letters they may hold.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "action_support.h"

namespace DozIzevodoz {

// The last of at most maxArgs arguments of the command text; blanks, "/", tabs and double quotes
// separate arguments. Empty (nullopt) when the text holds none.
std::optional<std::string> LastArgument(std::string_view commandText, int maxArgs = 10);

struct ActionLetter {
  char letter;               // upper case
  int32_t actionCode;
  const char* actionName;
  Capability needs;     // what the system must offer, or None
  bool forced = false;  // "F": a shut-down with the Force flag
};

// The action letters; "O" (options) is not an action and is not here.
const ActionLetter* FindActionLetter(std::string_view argument);

}  // namespace DozIzevodoz
