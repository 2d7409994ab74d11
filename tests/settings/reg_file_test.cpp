#include "settings/reg_file.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";

using Type = SettingValue::Type;

std::optional<SettingValue> Find(const RegFile& file, std::string_view name) {
  return file.Find(kKey, name);
}

// A key as the registry editor exports it, with values the program never writes, another key, a
// comment and a line nobody understands.
constexpr std::string_view kExport =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "\"Port Name\"=\"not ours\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
    "\"port name\"=\"C:\\\\dev\\\\\\\"com\\\"\"\r\n"
    "; a comment\r\n"
    "\"Big x\"=dword:0000ffec\r\n"
    "\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,\\\r\n"
    "  50,00,00,00\r\n"
    "\"Gone\"=-\r\n"
    "something odd\r\n"
    "\r\n";

TEST(RegFileTest, ReadsTextsNumbersAndOtherTypesOfItsOwnKeyOnly) {
  const std::optional<RegFile> file = RegFile::Parse(kExport);
  ASSERT_TRUE(file);
  const std::optional<SettingValue> port = Find(*file, "Port Name");  // any case
  ASSERT_TRUE(port);
  EXPECT_EQ(port->type, Type::kText);
  EXPECT_EQ(port->text, "C:\\dev\\\"com\"");
  EXPECT_EQ(Find(*file, "BIG X")->number, 0xffecu);
  EXPECT_EQ(Find(*file, "Path")->type, Type::kOther);
  EXPECT_FALSE(Find(*file, "Gone"));
  EXPECT_FALSE(Find(*file, "something odd"));
  EXPECT_FALSE(file->Find("HKEY_CURRENT_USER\\Software\\Other", "Big x"));
}

TEST(RegFileTest, WritingChangesOnlyItsOwnLineAndKeepsTheStoredSpelling) {
  std::optional<RegFile> file = RegFile::Parse(kExport);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->SetText(kKey, "PORT NAME", "/dev/ttyUSB0"));
  file->SetNumber(kKey, "Big y", 20);
  ASSERT_TRUE(file->SetText(kKey, "gone", "back"));
  std::string expected(kExport);
  const std::size_t port = expected.find("\"port name\"");
  expected.replace(port, expected.find('\r', port) - port, "\"port name\"=\"/dev/ttyUSB0\"");
  expected.replace(expected.find("\"Gone\"=-"), 8, "\"Gone\"=\"back\"");
  // A new value goes after the last value of the key, before its trailing lines.
  expected.insert(expected.find("something odd"), "\"Big y\"=dword:00000014\r\n");
  EXPECT_EQ(file->Serialize(), expected);
}

TEST(RegFileTest, TextsWithBackslashesQuotesAndHighBytesRoundTrip) {
  RegFile file;
  const std::string text = "C:\\Program Files\\\"x\"\\ \x80\xfe\xff J\xc3\xb6rg\\";
  ASSERT_TRUE(file.SetText(kKey, "Log File", text));
  const std::string serialized = file.Serialize();
  EXPECT_EQ(
      serialized,
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
      "\"Log File\"=\"C:\\\\Program Files\\\\\\\"x\\\"\\\\ \x80\xfe\xff J\xc3\xb6rg\\\\\"\r\n");
  EXPECT_EQ(Find(*RegFile::Parse(serialized), "Log File")->text, text);
  EXPECT_FALSE(file.SetText(kKey, "Log File", "two\nlines"));
  EXPECT_EQ(file.Serialize(), serialized);
}

TEST(RegFileTest, ReadsUtf16ExportsAndTheOlderHeaderWithEitherLineEnd) {
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                         u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
                                         u"\"Log File\"=\"J\u00f6rg \U0001F3AF.log\"\r\n")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  const std::optional<RegFile> wide = RegFile::Parse(utf16);
  ASSERT_TRUE(wide);
  EXPECT_EQ(Find(*wide, "Log File")->text, "J\xc3\xb6rg \xf0\x9f\x8e\xaf.log");
  EXPECT_TRUE(wide->Serialize().starts_with("Windows Registry Editor Version 5.00\r\n"));

  const std::optional<RegFile> old = RegFile::Parse(
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\DORVEX\\TARVIK]\n\"Sound\"=\"TRUE\"\n");
  ASSERT_TRUE(old);
  EXPECT_EQ(Find(*old, "sound")->text, "TRUE");
}

TEST(RegFileTest, OnlyRegistryFilesAreTaken) {
  EXPECT_TRUE(RegFile::Parse(""));
  for (const std::string_view text :
       {"\n", "garbage\r\n", "{\"Port Name\": \"COM1\"}", "[HKEY_CURRENT_USER]\r\n",
        "Windows Registry Editor Version 5.01\r\n"}) {
    EXPECT_FALSE(RegFile::Parse(text)) << text;
  }
}

}  // namespace
}  // namespace tarvik
