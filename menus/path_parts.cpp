#include "path_parts.h"

#include "caption_text.h"

namespace modMenus {
namespace {

constexpr size_t npos = std::string_view::npos;

// 1 to 5 for D, P, N, E, m; 0 for anything else.
int PartNumber(std::string_view part) {
  if (part.empty()) return 1;
  static constexpr std::string_view kLetters = "dpnem";
  if (part.size() > kLetters.size()) return 0;
  for (size_t at = 0; at + part.size() <= kLetters.size(); ++at) {
    bool same = true;
    for (size_t i = 0; i < part.size() && same; ++i)
      same = UpperAscii(part[i]) == UpperAscii(kLetters[at + i]);
    if (same) return static_cast<int>(at) + 1;
  }
  return 0;
}

std::string Drive(std::string_view path) {
  if (const size_t colon = path.find(':'); colon != npos) return std::string(path.substr(0, colon + 1)) + "\\";
  if (path.substr(0, 2) != "\\\\") return {};
  const size_t slash = path.find('\\', 2);
  return slash == npos ? std::string(path) + "\\" : std::string(path.substr(0, slash + 1));
}

std::string Folder(std::string_view path) {
  if (const size_t slash = path.rfind('\\'); slash != npos) return std::string(path.substr(0, slash)) + "\\";
  if (const size_t colon = path.find(':'); colon != npos) return std::string(path.substr(0, colon + 1)) + "\\";
  return {};
}

// The name after the folder; without a folder or drive: none, or the whole path when asked.
std::string Name(std::string_view path, bool wholeWhenBare) {
  if (const size_t slash = path.rfind('\\'); slash != npos) return std::string(path.substr(slash + 1));
  if (const size_t colon = path.find(':'); colon != npos) return std::string(path.substr(colon + 1));
  return wholeWhenBare ? std::string(path) : std::string();
}

std::string Extension(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == npos || path.find('\\', dot) != npos) return {};
  return std::string(path.substr(dot + 1));
}

std::string NameWithoutExtension(std::string_view path) {
  const std::string name = Name(path, true);
  const size_t dot = name.rfind('.');
  return dot == npos || dot == 0 ? std::string() : name.substr(0, dot);
}

}  // namespace

std::string StripFile(std::string_view path, std::string_view part) {
  if (path.empty()) return {};
  switch (PartNumber(part)) {
    case 1: return Drive(path);
    case 2: return Folder(path);
    case 3: return Name(path, false);
    case 4: return Extension(path);
    case 5: return NameWithoutExtension(path);
    default: return {};
  }
}

void SortTexts(std::vector<std::string>& items, const CompareTextFn& compare) {
  const size_t count = items.size();
  if (count < 2) return;
  size_t gap = 1;
  while (gap * 3 + 1 < count) gap = gap * 3 + 1;
  for (;; gap /= 3) {
    for (size_t i = gap; i < count; ++i) {
      std::string moving = std::move(items[i]);
      size_t j = i;
      for (; j >= gap && compare(items[j - gap], moving) > 0; j -= gap) items[j] = std::move(items[j - gap]);
      items[j] = std::move(moving);
    }
    if (gap == 1) break;
  }
}

}  // namespace modMenus
