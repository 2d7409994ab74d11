// The registry editor's export format: what is read, what a write changes and what it keeps,
// in 8-bit files and in UTF-16 ones.
#include "settings/reg_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/number_text.h"
#include "settings/utf16_file.h"

namespace tarvik {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";

// A key as the registry editor exports it, with values the program never writes, another key, a
// comment and a line nobody understands.
constexpr std::string_view kExport =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "\"Port Name\"=\"not ours\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
    "\"port name\"=\"C:\\\\dev\\\\\\\"com\\\"\"\r\n"
    "; a comment\r\n"
    "\"Big x\"=dword:0000ffec\r\n"
    "\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,\\\r\n"
    "  50,00,00,00\r\n"
    "\"Gone\"=-\r\n"
    "something odd\r\n\r\n";

TEST(RegFileTest, ReadsAndWritesTheValuesOfItsOwnKeyOnlyAndChangesOnlyTheirLines) {
  RegFile file = RegFile::Parse(kExport).value();
  EXPECT_EQ(file.Find(kKey, "Port Name")->type, SettingValue::Type::kText);  // any case
  EXPECT_EQ(file.Find(kKey, "Port Name")->text, "C:\\dev\\\"com\"");
  EXPECT_EQ(file.Find(kKey, "BIG X")->number, 0xffecu);
  EXPECT_EQ(file.Find(kKey, "Path")->type, SettingValue::Type::kOther);
  EXPECT_FALSE(file.Find(kKey, "Gone") || file.Find(kKey, "something odd") ||
               file.Find("HKEY_CURRENT_USER\\Software\\Other", "Big x"));

  ASSERT_TRUE(file.SetText(kKey, "PORT NAME", "/dev/ttyUSB0"));
  file.SetNumber(kKey, "Big y", 20);
  ASSERT_TRUE(file.SetText(kKey, "gone", "back"));
  std::string expected(kExport);
  expected.replace(expected.find("\"port name\""), 30, "\"port name\"=\"/dev/ttyUSB0\"");
  expected.replace(expected.find("\"Gone\"=-"), 8, "\"Gone\"=\"back\"");
  // A new value goes after the last value of the key, before its trailing lines.
  expected.insert(expected.find("something odd"), "\"Big y\"=dword:00000014\r\n");
  EXPECT_EQ(file.Serialize(), expected);
}

TEST(RegFileTest, TextsRoundTripAndUtf16OlderAndEmptyFilesAreTakenButNoOtherFormat) {
  RegFile file;
  const std::string text = "C:\\Program Files\\\"x\"\\ \x80\xfe\xff J\xc3\xb6rg\\";
  ASSERT_TRUE(file.SetText(kKey, "Log File", text));
  const std::string serialized = file.Serialize();
  EXPECT_EQ(
      serialized.substr(serialized.find("\"Log")),
      "\"Log File\"=\"C:\\\\Program Files\\\\\\\"x\\\"\\\\ \x80\xfe\xff J\xc3\xb6rg\\\\\"\r\n");
  EXPECT_EQ(RegFile::Parse(serialized).value().Find(kKey, "Log File")->text, text);
  EXPECT_FALSE(file.SetText(kKey, "Log File", "two\nlines"));
  EXPECT_EQ(file.Serialize(), serialized);

  const std::string utf16 = Utf16File(
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
      u"\"Log File\"=\"J\u00f6rg \U0001F3AF.log\"\r\n");
  const RegFile wide = RegFile::Parse(utf16).value();
  EXPECT_EQ(wide.Find(kKey, "Log File")->text, "J\xc3\xb6rg \xf0\x9f\x8e\xaf.log");
  EXPECT_EQ(wide.Serialize(), utf16);
  constexpr std::string_view kRegedit4 =
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\DORVEX\\TARVIK]\n\"Sound\"=\"TRUE\"\n";
  EXPECT_EQ(RegFile::Parse(kRegedit4).value().Find(kKey, "sound")->text, "TRUE");

  EXPECT_TRUE(RegFile::Parse(""));  // an empty file is taken, files in other formats are not
  for (const std::string_view other :
       {"\n", "garbage\r\n", "{\"Port Name\": \"COM1\"}", "[HKEY_CURRENT_USER]\r\n",
        "Windows Registry Editor Version 5.01\r\n"}) {
    EXPECT_FALSE(RegFile::Parse(other)) << other;
  }
}

// A key as Wine's regedit exports it (regedit /e), with lines added by hand: a comment that
// ends in LF alone and holds a surrogate without its partner, and a line nobody understands.
constexpr std::u16string_view kWideExport =
    u"Windows Registry Editor Version 5.00\r\n\r\n"
    u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
    u"@=\"default\"\r\n"
    u"\"Big x\"=dword:0000012c\r\n"
    u"\"Lanes\"=hex(7):65,00,69,00,6e,00,73,00,00,00,7a,00,77,00,65,00,69,00,00,00,64,\\\r\n"
    u"  00,72,00,65,00,69,00,00,00,00,00\r\n"
    u"\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,\\\r\n"
    u"  00,45,00,25,00,5c,00,53,00,63,00,68,00,fc,00,73,00,73,00,65,00,00,00\r\n"
    u"\"Port Name\"=\"COM7\"\r\n"
    u"; tuned by hand \xd800\n"
    u"something odd\t\r\n"
    u"\"Quote\"=\"say \\\"hi\\\" \\\\ end\\\\\"\r\n"
    u"\"Sound Legal\"=\"C:\\\\Sch\u00fcsse\\\\Sch\u00fcsse.wav\"\r\n\r\n"
    u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik\\Sub]\r\n"
    u"\"Inner\"=\"x\"\r\n\r\n";

// What a value reads as, for comparing.
std::string Describe(const std::optional<SettingValue>& value) {
  if (!value) return "none";
  switch (value->type) {
    case SettingValue::Type::kText:
      return "text " + value->text;
    case SettingValue::Type::kNumber:
      return "number " + FormatUnsigned(value->number);
    case SettingValue::Type::kOther:
      break;
  }
  return "other";
}

TEST(RegFileTest, AUtf16ExportIsWrittenBackInUtf16WithEveryLineNotWrittenByteForByte) {
  std::u16string text(kWideExport);
  const std::string bytes = Utf16File(text);
  RegFile file = RegFile::Parse(bytes).value();
  EXPECT_EQ(file.encoding(), RegFile::Encoding::kUtf16Le);
  EXPECT_EQ(file.Serialize(), bytes);
  std::string read;
  for (const char* name : {"Sound Legal", "Quote", "", "big X", "Path", "Lanes", "Inner"}) {
    read += Describe(file.Find(kKey, name)) + "|";
  }
  EXPECT_EQ(read,
            "text C:\\Sch\xc3\xbcsse\\Sch\xc3\xbcsse.wav|text say \"hi\" \\ end\\|text default|"
            "number 300|other|other|none|");

  // A value changed in place and two new ones after the key's last value, in UTF-16 and with
  // the editor's escapes; texts no UTF-16 file can hold are refused and change nothing.
  ASSERT_TRUE(file.SetText(kKey, "sound legal", "D:\\Gr\xc3\xbcn \"laut\".wav"));
  ASSERT_TRUE(file.SetNumber(kKey, "Big y", 40));
  ASSERT_TRUE(file.SetText(kKey, "Sound FAC", "\xf0\x9f\x8e\xaf.wav"));
  EXPECT_FALSE(file.SetText(kKey, "Log File", "J\xf6rg.log"));  // Latin-1
  EXPECT_FALSE(file.SetNumber(kKey, "Big\xff", 1));
  EXPECT_FALSE(file.SetNumber(kKey, "Big\nx", 1));  // a name that would break its line
  const std::u16string_view old_line =
      u"\"Sound Legal\"=\"C:\\\\Sch\u00fcsse\\\\Sch\u00fcsse.wav\"";
  text.replace(text.find(old_line), old_line.size(),
               u"\"Sound Legal\"=\"D:\\\\Gr\u00fcn \\\"laut\\\".wav\"\r\n"
               u"\"Big y\"=dword:00000028\r\n"
               u"\"Sound FAC\"=\"\U0001F3AF.wav\"");
  EXPECT_EQ(file.Serialize(), Utf16File(text));
  const RegFile again = RegFile::Parse(file.Serialize()).value();
  EXPECT_EQ(again.Find(kKey, "Sound Legal")->text, "D:\\Gr\xc3\xbcn \"laut\".wav");
  EXPECT_EQ(again.Find(kKey, "Sound FAC")->text, "\xf0\x9f\x8e\xaf.wav");
}

TEST(RegFileTest, AUtf16FileCutShortKeepsItsLastLineWhichALineAfterItEnds) {
  const std::u16string start =
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n";
  // Cut in a text, in the middle of a code unit: that line is not read and stays the last.
  RegFile file =
      RegFile::Parse(Utf16File(start + u"\"Big x\"=dword:00000014\r\n\"Sou") + "n").value();
  EXPECT_EQ(Describe(file.Find(kKey, "Big x")) + Describe(file.Find(kKey, "Sou")), "number 20none");
  ASSERT_TRUE(file.SetNumber(kKey, "Big y", 40));
  EXPECT_EQ(
      file.Serialize(),
      Utf16File(start + u"\"Big x\"=dword:00000014\r\n\"Big y\"=dword:00000028\r\n\"Sou") + "n");
  // Cut in a number that still reads: the new value follows on a line of its own, without the
  // half code unit, which would shift every character after it.
  file = RegFile::Parse(Utf16File(start + u"\"Big x\"=dword:0000001") + "4").value();
  EXPECT_EQ(file.Find(kKey, "Big x")->number, 1u);
  ASSERT_TRUE(file.SetNumber(kKey, "Big y", 40));
  EXPECT_EQ(file.Serialize(),
            Utf16File(start + u"\"Big x\"=dword:0000001\r\n\"Big y\"=dword:00000028\r\n"));
  // Cut between the carriage return and the line feed: the line end is completed.
  file = RegFile::Parse(Utf16File(start + u"\"Big x\"=dword:00000014\r")).value();
  ASSERT_TRUE(file.SetNumber(kKey, "Big y", 40));
  EXPECT_EQ(file.Serialize(),
            Utf16File(start + u"\"Big x\"=dword:00000014\r\n\"Big y\"=dword:00000028\r\n"));
  // Nothing but the mark, or another key only: the header and the key are added in UTF-16.
  for (const std::u16string_view found :
       {std::u16string_view(), std::u16string_view(u"REGEDIT4\n[HKEY_CURRENT_USER\\X]")}) {
    file = RegFile::Parse(Utf16File(found)).value();
    ASSERT_TRUE(file.SetNumber(kKey, "Big x", 20));
    const std::u16string added =
        u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n\"Big x\"=dword:00000014\r\n";
    EXPECT_EQ(file.Serialize(),
              Utf16File(found.empty() ? u"Windows Registry Editor Version 5.00\r\n\r\n" + added
                                      : std::u16string(found) + u"\r\n\r\n" + added));
  }
}

TEST(RegFileTest, ADwordInHexFormIsReadWhenItHasFourBytesLowestFirst) {
  const struct {
    std::string_view data;
    std::string_view read;
  } kCases[] = {
      {"hex(4):2c,01,00,00", "number 300"},
      {"hex(4):2C,1,0,0,", "number 300"},  // as the registry editor imports it too
      {"hex(4): 2c , 01,00,00 ", "number 300"},
      {"hex(4):2c,01,\\\r\n  00,00", "number 300"},  // continued on the next line
      {"hex(4):ff,ff,ff,ff", "number 4294967295"},
      {"hex(4):00,00,00,80", "number 2147483648"},
      // Malformed: a value of another type, as before.
      {"hex(4):2c,01,00", "other"},
      {"hex(4):2c,01,00,00,00", "other"},
      {"hex(4):", "other"},
      {"hex(4):12c,01,00", "other"},
      {"hex(4):2c,01,,00,00", "other"},
      {"hex(4):2c,01,00,0g", "other"},
      {"hex(4):,2c,01,00,00", "other"},
      {"hex(4):2c,01,\\", "other"},  // cut short where it was to go on
      {"hex(b):2c,01,00,00,00,00,00,00", "other"},
      {"HEX(4):2c,01,00,00", "none"},  // not understood, as the registry editor does not
  };
  for (const auto& c : kCases) {
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[" + std::string(kKey) +
                             "]\r\n\"Big x\"=" + std::string(c.data) + "\r\n";
    EXPECT_EQ(Describe(RegFile::Parse(text).value().Find(kKey, "Big x")), c.read) << c.data;
  }
}

}  // namespace
}  // namespace tarvik
