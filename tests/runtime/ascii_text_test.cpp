#include "ascii_text.h"

#include <gtest/gtest.h>

#include <utility>

using namespace rt;

// Blanks only: a tab or a line break is part of the text (the task file's fields keep them out).
TEST(AsciiText, TrimBlanksStripsBlanksAtBothEndsOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"  a b  ", "a b"}, {"a", "a"}, {"   ", ""}, {"", ""}, {"\ta \t", "\ta \t"}, {" \r\n ", "\r\n"}};
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimBlanks(text), trimmed) << text;
}

// ASCII letters only: command-line letters, action names and caption keys read the same in any
// locale, and the bytes of other characters stay as they are.
TEST(AsciiText, UpperAndLowerAsciiTouchAsciiLettersOnly) {
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    EXPECT_EQ(UpperAscii(byte), c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : byte) << c;
    EXPECT_EQ(LowerAscii(byte), c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : byte) << c;
  }
}
