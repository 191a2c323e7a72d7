#include "command_line.h"

#include <vector>

#include "ascii_text.h"
#include "shared_state.h"

namespace DozIzevodoz {

std::optional<std::string> LastArgument(std::string_view text, int maxArgs) {
  if (maxArgs < 0) maxArgs = 0;
  std::vector<std::string> entries(static_cast<size_t>(maxArgs) + 1);
  int count = 0;
  bool inArgument = false;
  for (char c : text) {
    if (c == ' ' || c == '/' || c == '\t' || c == '"') {
      inArgument = false;
      continue;
    }
    if (!inArgument) {
      if (count == maxArgs) break;
      ++count;
      inArgument = true;
    }
    entries[count] += c;
  }
  if (count == 0) return std::nullopt;
  return entries[count];
}

const ActionLetter* FindActionLetter(std::string_view argument) {
  static const ActionLetter kLetters[] = {
      {'R', kRebootCode, "Boot", Capability::None},
      {'L', kLogOffCode, "Log", Capability::None},
      {'S', kShutDownCode, "Shut", Capability::None},
      {'P', kPowerOffCode, "Pwr", Capability::PowerOff},
      {'Z', kSuspendCode, "Sus", Capability::Suspend},
      {'H', kHibernateCode, "Hib", Capability::Hibernate},
      {'F', kShutDownCode, "Shut", Capability::None, true},
  };
  if (argument.size() != 1) return nullptr;
  const char c = rt::UpperAscii(argument[0]);
  for (const ActionLetter& l : kLetters)
    if (l.letter == c) return &l;
  return nullptr;
}

}  // namespace DozIzevodoz
