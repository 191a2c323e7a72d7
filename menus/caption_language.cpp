#include "caption_language.h"

#include <algorithm>

#include "caption_text.h"

namespace modMenus {
namespace {

constexpr size_t npos = kNotFound;

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

}  // namespace

std::string GetAttribute(std::string_view text, std::string_view key) {
  if (text.size() < 3 || key.empty()) return {};
  const std::string_view tip = TipEntry(text);
  if (EqualsNoCase(key, "Tip:")) return tip.empty() ? std::string() : std::string(tip.substr(4));

  std::string work(text);
  if (!tip.empty()) EraseAllNoCase(work, std::string(tip));
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
  std::string value = work.substr(start, end - start);
  value.erase(0, std::min(key.size(), value.size()));
  if (value.empty()) return IsFlagWord(key) ? "True" : "0";
  return value;
}

SplitCaptionResult SplitCaption(std::string_view caption) {
  SplitCaptionResult result;
  std::string_view work = caption;
  if (const size_t tab = caption.find('\t'); tab != npos) {
    result.right = std::string(caption.substr(tab + 1));
    work = caption.substr(0, tab);
  }
  result.visible = Trim(work);
  const size_t open = work.find('{');
  const size_t close = open == npos ? npos : work.find('}', open);
  if (close == npos) return result;
  result.block = std::string(work.substr(open, close - open + 1));
  std::string visible(work);
  EraseAllNoCase(visible, result.block);
  result.visible = Trim(visible);
  result.block.back() = '|';
  return result;
}

}  // namespace modMenus
