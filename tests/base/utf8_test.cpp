// A code point as UTF-8, at each end of each length.
#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

TEST(Utf8Test, EachCodePointTakesTheBytesOfItsLength) {
  std::string text;
  constexpr char32_t kEnds[] = {0x00, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF};
  for (const char32_t code : kEnds) AppendUtf8(text, code);
  EXPECT_EQ(text, std::string("\x00\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF", 12) +
                      "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
}

}  // namespace
}  // namespace tarvik
