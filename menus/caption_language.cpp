#include "caption_language.h"

#include <algorithm>
#include <vector>

#include "caption_text.h"

namespace modMenus {
namespace {

constexpr size_t npos = kNotFound;

// Every "&" doubled, except the ones before a blank, which the item's reading doubles itself
// ("A & B" is shown as it is written). text is trimmed, so a blank is never its end.
std::string ShownAsWritten(std::string_view text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    shown += text[i];
    if (text[i] == '&' && (i + 1 == text.size() || text[i + 1] != ' ')) shown += '&';
  }
  return shown;
}

bool IsFlagWord(std::string_view key) {
  static constexpr std::string_view kFlags[] = {"Raised", "Bold",   "Italic",  "Underline", "NoScroll",
                                                "Transparent", "ImgBkg", "Default", "Sidebar", "SBDisabled"};
  return std::any_of(std::begin(kFlags), std::end(kFlags), [&](std::string_view f) { return EqualsNoCase(f, key); });
}

// The "Tip:" entry: from "Tip:" up to (not including) the "|" or "}" that ends it.
std::string_view TipEntry(std::string_view text) {
  size_t delimiter = FindNoCase(text, "|Tip:");
  if (delimiter == npos) delimiter = FindNoCase(text, "{Tip:");
  if (delimiter == npos) return {};
  size_t end = text.find('|', delimiter + 2);
  if (end == npos) end = text.find('}', delimiter + 2);
  if (end == npos) return {};
  return text.substr(delimiter + 1, end - delimiter - 1);
}

// Whether the tip entry's text starts at position at of text.
bool TipAt(std::string_view text, size_t at, std::string_view tip) {
  return !tip.empty() && (text[at] == 'T' || text[at] == 't') && FindNoCase(text.substr(at, tip.size()), tip) == 0;
}

// Where key's entry lies in text: [begin, end) holds the key and its value, in the text's own
// positions. Found as the language reads it: in a copy without the tip entry, after "|", else
// "{", else ":", the value running to the next "|", else "}".
struct Entry {
  size_t begin = npos, end = npos;
};

Entry LocateEntry(std::string_view text, std::string_view key) {
  if (text.size() < 3 || key.empty()) return {};
  // The copy without the tip, with each of its characters' place in text.
  std::string work;
  std::vector<size_t> origin;
  const std::string_view tip = TipEntry(text);
  work.reserve(text.size());
  origin.reserve(text.size() + 1);
  for (size_t i = 0; i < text.size();) {
    if (TipAt(text, i, tip)) {
      i += tip.size();
      continue;
    }
    work += text[i];
    origin.push_back(i++);
  }
  origin.push_back(text.size());
  size_t at = npos;
  for (char before : {'|', '{', ':'}) {
    at = FindNoCase(work, std::string(1, before) + std::string(key));
    if (at != npos) break;
  }
  if (at == npos) return {};
  const size_t start = at + 1;
  size_t end = work.find('|', start + 1);
  if (end == npos) end = work.find('}', start + 1);
  if (end == npos) return {};
  return Entry{origin[start], origin[end - 1] + 1};
}

}  // namespace

std::optional<std::string> FindAttribute(std::string_view text, std::string_view key) {
  if (text.size() < 3 || key.empty()) return std::nullopt;
  if (EqualsNoCase(key, "Tip:")) {
    const std::string_view tip = TipEntry(text);
    if (tip.empty()) return std::nullopt;
    return std::string(tip.substr(4));
  }
  const Entry entry = LocateEntry(text, key);
  if (entry.begin == npos) return std::nullopt;
  // Without the tip's text, as the value was read (a tip can only lie inside it when it was cut).
  std::string value;
  const std::string_view tip = TipEntry(text);
  for (size_t i = entry.begin; i < entry.end;) {
    if (TipAt(text, i, tip)) {
      i += tip.size();
      continue;
    }
    value += text[i++];
  }
  value.erase(0, std::min(key.size(), value.size()));
  return value;
}

std::string GetAttribute(std::string_view text, std::string_view key) {
  std::optional<std::string> value = FindAttribute(text, key);
  if (!value) return {};
  if (value->empty()) return EqualsNoCase(key, "Tip:") ? std::string() : IsFlagWord(key) ? "True" : "0";
  return std::move(*value);
}

std::string RemoveAttribute(std::string_view text, std::string_view key) {
  const Entry entry = LocateEntry(text, key);
  std::string rest(text);
  if (entry.begin != npos) rest.erase(entry.begin, entry.end - entry.begin);
  return rest;
}

SplitCaptionResult SplitCaption(std::string_view caption) {
  SplitCaptionResult result;
  std::string_view work = caption;
  if (const size_t tab = caption.find('\t'); tab != npos) {
    result.right = std::string(caption.substr(tab + 1));
    work = caption.substr(0, tab);
  }
  result.visible = TrimBlanks(work);
  const size_t open = work.find('{');
  const size_t close = open == npos ? npos : work.find('}', open);
  if (close == npos) return result;
  result.block = std::string(work.substr(open, close - open + 1));
  std::string visible(work);
  EraseAllNoCase(visible, result.block);
  result.visible = TrimBlanks(visible);
  result.block.back() = '|';
  return result;
}

std::string CaptionWithBlock(std::string_view shown, std::string_view block) {
  const std::string text = ShownAsWritten(TrimBlanks(shown));
  return text.find('{') == npos ? text + std::string(block) : std::string(block) + text;
}

std::string NameValue(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string value;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    // The first character too: right after "Key:" a name's first word would read as a flag of its
    // own ("Bold Sans" as the flag "Bold").
    if (i == 0 || c == '{' || c == '}' || c == '|' || c == ':' || c == '%') {
      value += '%';
      value += kHex[static_cast<unsigned char>(c) >> 4];
      value += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      value += c;
    }
  }
  return value;
}

std::string NameOfValue(std::string_view value) {
  std::string name;
  for (size_t i = 0; i < value.size(); ++i) {
    const std::optional<uint64_t> code =
        value[i] == '%' && i + 2 < value.size() ? ParseDigits(value.substr(i + 1, 2), 16) : std::nullopt;
    if (!code) {
      name += value[i];
      continue;
    }
    name += static_cast<char>(*code);
    i += 2;
  }
  return name;
}

std::string FontOfItem(std::string_view text) { return NameOfValue(GetAttribute(text, "LFont:")); }

}  // namespace modMenus
