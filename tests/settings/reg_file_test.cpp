#include "settings/reg_file.h"

#include <gtest/gtest.h>

#include <string>

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

  // Binary data cut off in the middle must not swallow a value written after it.
  auto cut =
      RegFile::Parse("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\n\"x\"=hex:01,\\\n");
  ASSERT_TRUE(cut && cut->SetText(kKey, "Port Name", "COM4"));
  EXPECT_EQ(RegFile::Parse(cut->Serialize()).value().Find(kKey, "Port Name")->text, "COM4");
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

  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                         u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
                                         u"\"Log File\"=\"J\u00f6rg \U0001F3AF.log\"\r\n")) {
    utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  }
  const RegFile wide = RegFile::Parse(utf16).value();
  EXPECT_EQ(wide.Find(kKey, "Log File")->text, "J\xc3\xb6rg \xf0\x9f\x8e\xaf.log");
  EXPECT_TRUE(wide.Serialize().starts_with("Windows Registry Editor Version 5.00\r\n"));
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

}  // namespace
}  // namespace tarvik
