#include "command_text.h"

namespace rt {

std::string StripProgramPath(std::string_view raw) {
  size_t i = 0;
  while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
  if (i < raw.size() && raw[i] == '"') {
    size_t close = raw.find('"', i + 1);
    i = close == std::string_view::npos ? raw.size() : close + 1;
  } else {
    while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t') ++i;
  }
  while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
  return std::string(raw.substr(i));
}

}  // namespace rt
