// Path parts, sorting and the keyboard rules of the owner-drawn menus.
#include <gtest/gtest.h>

#include "caption_text.h"

#include "menu_keys.h"
#include "path_parts.h"

namespace {

using modMenus::StripFile;

TEST(PathParts, EachLetterNamesItsPart) {
  struct Case {
    const char* path;
    const char* part;
    const char* result;
  } cases[] = {
      {"C:\\Dir\\A.txt", "D", "C:\\"},      {"\\\\Srv\\Share\\A", "D", "\\\\Srv\\"},
      {"\\\\Srv", "d", "\\\\Srv\\"},          {"Dir\\A.txt", "D", ""},
      {"C:\\Dir\\A.txt", "", "C:\\"},       {"C:\\Dir\\A.txt", "P", "C:\\Dir\\"},
      {"C:A.txt", "P", "C:\\"},             {"A.txt", "P", ""},
      {"C:\\Dir\\A.txt", "N", "A.txt"},     {"C:A.txt", "n", "A.txt"},
      {"A.txt", "N", ""},                   {"C:\\Dir\\A.txt", "E", "txt"},
      {"C:\\D.x\\A", "E", ""},              {"C:\\Dir\\A.b.txt", "m", "A.b"},
      {"C:\\Dir\\README", "m", ""},         {".profile", "m", ""},
      {"A.txt", "M", "A"},                  {"C:\\Dir\\A.txt", "x", ""},
      {"", "D", ""},                        {"C:\\Dir\\A.txt", "PN", "C:\\Dir\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(StripFile(c.path, c.part), c.result) << c.path << " / " << c.part;
}

TEST(PathParts, SortIgnoresCase) {
  std::vector<std::string> fonts = {"", "Verdana", "arial", "Courier New", "Tahoma", "MS Sans Serif", "Arial Black",
                                    "Comic Sans MS", "Times New Roman", "Wingdings", "Lucida Console", "Symbol",
                                    "Georgia", "Impact", "Webdings"};
  modMenus::SortTexts(fonts, modMenus::CompareAsciiNoCase);
  EXPECT_EQ(fonts, (std::vector<std::string>{"", "arial", "Arial Black", "Comic Sans MS", "Courier New", "Georgia",
                                             "Impact", "Lucida Console", "MS Sans Serif", "Symbol", "Tahoma",
                                             "Times New Roman", "Verdana", "Webdings", "Wingdings"}));
}

TEST(MenuKeys, AcceleratorIsTheCharacterAfterASingleAmpersand) {
  struct Case {
    const char* text;
    const char* letter;
  } cases[] = {
      {"E&xit", "x"}, {"Fish && &chips", "c"}, {"Plain", ""}, {"Ends &", ""},
      {"&\xC3\xB6" "ffnen", "\xC3\xB6"},  // the whole of a letter beyond ASCII
      {"&\xE2\x82\xAC", "\xE2\x82\xAC"}, {"&\xE2\x82", "\xE2\x82"},  // cut short: what there is
  };
  for (const Case& c : cases) EXPECT_EQ(modMenus::GetAccelerator(c.text), c.letter) << c.text;
}

TEST(MenuKeys, TypedLetterExecutesOrCyclesThroughItsItems) {
  const std::vector<std::string> accelerators = {"a", "B", "", "C", "b"};
  auto same = [](std::string_view a, std::string_view b) { return modMenus::EqualsNoCase(a, b); };
  auto highlightedAt = [](int position) { return [position](int p) { return p == position; }; };
  auto answer = [](int item, int code) { return static_cast<uint32_t>(code << 16 | item); };
  using modMenus::MenuCharAnswer;
  EXPECT_EQ(MenuCharAnswer(accelerators, "c", same, highlightedAt(-1)), answer(3, 2));
  EXPECT_EQ(MenuCharAnswer(accelerators, "A", same, highlightedAt(-1)), answer(0, 2));
  EXPECT_EQ(MenuCharAnswer(accelerators, "Z", same, highlightedAt(-1)), 0u);
  EXPECT_EQ(MenuCharAnswer(accelerators, "b", same, highlightedAt(1)), answer(4, 3));
  EXPECT_EQ(MenuCharAnswer(accelerators, "b", same, highlightedAt(4)), answer(1, 3));
  EXPECT_EQ(MenuCharAnswer(accelerators, "b", same, highlightedAt(-1)), answer(1, 3));
  // An item without an access letter is never picked, whatever is typed.
  EXPECT_EQ(MenuCharAnswer(accelerators, "", same, highlightedAt(-1)), 0u);
  EXPECT_EQ(MenuCharAnswer({""}, "\xC3\xB6", [](auto, auto) { return true; }, highlightedAt(-1)), 0u);
  EXPECT_EQ(modMenus::ExecutedPosition(answer(3, 2)), 3);
  EXPECT_EQ(modMenus::ExecutedPosition(answer(3, 3)), -1);
  EXPECT_EQ(modMenus::ExecutedPosition(0), -1);
}

}  // namespace
