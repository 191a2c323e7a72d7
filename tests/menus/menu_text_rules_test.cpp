// Path parts, sorting and the keyboard rules of the owner-drawn menus.
#include <gtest/gtest.h>

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
  modMenus::SortTexts(fonts);
  EXPECT_EQ(fonts, (std::vector<std::string>{"", "arial", "Arial Black", "Comic Sans MS", "Courier New", "Georgia",
                                             "Impact", "Lucida Console", "MS Sans Serif", "Symbol", "Tahoma",
                                             "Times New Roman", "Verdana", "Webdings", "Wingdings"}));
}

TEST(MenuKeys, AcceleratorIsTheLetterAfterASingleAmpersand) {
  EXPECT_EQ(modMenus::GetAccelerator("E&xit"), 'X');
  EXPECT_EQ(modMenus::GetAccelerator("Fish && &chips"), 'C');
  EXPECT_EQ(modMenus::GetAccelerator("Plain"), modMenus::kNoAccelerator);
  EXPECT_EQ(modMenus::GetAccelerator("Ends &"), modMenus::kNoAccelerator);
}

TEST(MenuKeys, TypedLetterExecutesOrCyclesThroughItsItems) {
  const char none = modMenus::kNoAccelerator;
  const std::string accelerators = {'A', 'B', none, 'C', 'B'};
  auto highlightedAt = [](int position) { return [position](int p) { return p == position; }; };
  auto answer = [](int item, int code) { return static_cast<uint32_t>(code << 16 | item); };
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, 'c', highlightedAt(-1)), answer(3, 2));
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, 'Z', highlightedAt(-1)), 0u);
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, 'b', highlightedAt(1)), answer(4, 3));
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, 'b', highlightedAt(4)), answer(1, 3));
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, 'b', highlightedAt(-1)), answer(1, 3));
  // Typing the placeholder's own character must not pick an item that has no accelerator.
  EXPECT_EQ(modMenus::MenuCharAnswer(accelerators, none, highlightedAt(-1)), 0u);
}

}  // namespace
