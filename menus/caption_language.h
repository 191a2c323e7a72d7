#pragma once
// The caption language of owner-drawn menu items: inside an item's caption, one block between
// braces holds "|"-separated entries, each a key with its value ("Font:Arial") or a flag ("Bold").
// Keys are matched without regard to case, and only after "|", "{" or ":". A "Tip:" entry is cut
// out before any other key is looked for, so words of a tip never count as keys.
#include <optional>
#include <string>
#include <string_view>

namespace modMenus {

// The value of key in text (a block or a whole caption); "" when the key is absent. A key that is
// present without a value gives "True" for the flag words and "0" for any other key.
std::string GetAttribute(std::string_view text, std::string_view key);

// The value as it is written: empty when the key is present without a value; nothing when the
// key is absent.
std::optional<std::string> FindAttribute(std::string_view text, std::string_view key);

// text without the key and its value (the entry GetAttribute reads); text itself when the key is
// absent. The delimiters around the entry stay.
std::string RemoveAttribute(std::string_view text, std::string_view key);

struct SplitCaptionResult {
  std::string visible;  // the text before the TAB without the block, trimmed
  std::string block;    // the first "{...}" with its closing brace turned into "|"; "" when none
  std::string right;    // the text after the first TAB
};
SplitCaptionResult SplitCaption(std::string_view caption);

// The caption of an item the engine generates from data (an entry, a share, a font's name): its
// shown text and its block ("{...}"), the block first when the text holds a "{", which would
// otherwise open the block inside the text. SplitCaption reads the text back whole, and its
// ampersands are shown as written, never taken as an access key (the text is trimmed, as the
// reading trims it).
std::string CaptionWithBlock(std::string_view shown, std::string_view block);

// An outside name (a font's family) as the value of a key, and back: the characters the language
// reads ("{", "}", "|", ":"), "%" itself and the first character written as "%" and two
// hexadecimal digits, so that the name neither ends the block nor reads as another key or flag.
std::string NameValue(std::string_view name);
std::string NameOfValue(std::string_view value);

// The family a font item's text (its block or whole caption) names in its "LFont:" entry; "" when
// it has none.
std::string FontOfItem(std::string_view text);

}  // namespace modMenus
