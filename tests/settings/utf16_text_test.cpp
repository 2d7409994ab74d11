// The conversions between the program's UTF-8 texts and a UTF-16 file's bytes.
#include "settings/utf16_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "settings/utf16_file.h"

namespace tarvik {
namespace {

TEST(Utf16TextTest, EveryCodePointGoesBothWaysUnchanged) {
  const struct {
    std::string_view utf8;
    std::u16string_view utf16;
  } kCases[] = {
      {"", u""},
      {"Port Name", u"Port Name"},
      {"\x7f\xc2\x80", u"\x7f\x80"},                    // the ends of one and two bytes
      {"Sch\xc3\xbcsse", u"Sch\u00fcsse"},              // two bytes
      {"\xdf\xbf\xe0\xa0\x80", u"\u07ff\u0800"},        // the ends of two and three bytes
      {"\xe2\x82\xac \xef\xbf\xbd", u"\u20ac \ufffd"},  // three bytes
      {"\xed\x9f\xbf\xee\x80\x80", u"\ud7ff\ue000"},    // beside the surrogates
      {"\xf0\x9f\x8e\xaf", u"\U0001F3AF"},              // a surrogate pair
      {"\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", u"\U00010000\U0010FFFF"},
      {std::string_view("a\0b", 3), std::u16string_view(u"a\0b", 3)},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Utf8ToUtf16Le(c.utf8), Utf16Bytes(c.utf16)) << c.utf8;
    EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(c.utf16)), c.utf8) << c.utf8;
  }
}

TEST(Utf16TextTest, BytesThatAreNoUtf8AreRefusedAndStraySurrogatesReadAsReplacements) {
  for (const std::string_view text : {
           "\x80",                  // a continuation byte alone
           "ab\xc3",                // cut short
           "\xe2\x82",              // cut short
           "\xc3(",                 // no continuation byte
           "\xc0\x80",              // an overlong zero
           "\xc1\xbf",              // overlong
           "\xe0\x9f\xbf",          // overlong
           "\xf0\x8f\xbf\xbf",      // overlong
           "\xed\xa0\x80",          // a surrogate
           "\xed\xbf\xbf",          // a surrogate
           "\xf4\x90\x80\x80",      // past U+10FFFF
           "\xf8\x88\x80\x80\x80",  // five bytes
           "\xfe\xff",              // never in UTF-8
           "J\xf6rg",               // Latin-1
       }) {
    EXPECT_FALSE(Utf8ToUtf16Le(text)) << text;
  }
  EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(u"a\xd800z")), "a\xef\xbf\xbdz");  // high alone
  EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(u"a\xdc00z")), "a\xef\xbf\xbdz");  // low alone
  EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(u"\xdc00\xd800")), "\xef\xbf\xbd\xef\xbf\xbd");
  EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(u"a\xd83c")), "a\xef\xbf\xbd");  // the pair cut short
  EXPECT_EQ(Utf16LeToUtf8(Utf16Bytes(u"ab") + "c"), "ab");            // half a code unit
}

}  // namespace
}  // namespace tarvik
