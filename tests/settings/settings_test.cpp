// The settings file's format, and the store's rules over the real place of the settings (the
// settings file, or the registry key on Windows) in the C locale and in a German one.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_settings_key.h"
#else
#include <unistd.h>

#include "platform/posix/posix_settings_file.h"
#endif
#include "settings/reg_file.h"
#include "settings/settings_store.h"

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

#ifdef _WIN32
constexpr const char* kGermanLocale = "German_Germany.1252";

// The registry key in place of the file: removed before and after each test.
class StoredSettings {
 public:
  StoredSettings() { Remove(); }
  ~StoredSettings() { Remove(); }
  std::unique_ptr<SettingsBackend> Open() { return win32::OpenUserSettings(); }
  // Whether the key holds any value.
  bool Exists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return values > 0;
  }
  void AddBinaryPortName() {
    const BYTE bytes[] = {1, 2};
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kPath, "Port Name", REG_BINARY, bytes, 2),
              ERROR_SUCCESS);
  }

 private:
  static constexpr const char* kPath = "Software\\Dorvex\\Tarvik";
  static void Remove() { RegDeleteTreeA(HKEY_CURRENT_USER, kPath); }
};
#else
constexpr const char* kGermanLocale = "de_DE.UTF-8";

// A settings file in a folder of its own, removed after each test.
class StoredSettings {
 public:
  ~StoredSettings() { std::filesystem::remove_all(file_.parent_path()); }
  std::unique_ptr<SettingsBackend> Open() { return std::make_unique<posix::SettingsFile>(file_); }
  bool Exists() { return std::filesystem::exists(file_); }
  void AddBinaryPortName() { std::ofstream(file_, std::ios::app) << "\"Port Name\"=hex:01,02\r\n"; }

 private:
  const std::filesystem::path file_ = std::filesystem::path(::testing::TempDir()) /
                                      ("tarvik-store-" + std::to_string(::getpid())) / "Tarvik.reg";
};
#endif

class SettingsStoreTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
        << GetParam() << " is missing; scripts/install-deps.sh --tests generates it";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");  // as every program starts
    store_.reset();
  }
  // The store as the next run of the program opens it.
  SettingsStore& Reopen() {
    store_ = OpenSettingsStore(stored_.Open());
    return *store_;
  }

  StoredSettings stored_;
  std::unique_ptr<SettingsStore> store_;
  AppSettings settings_;
  LastShot last_shot_{1.0, 1.0};  // not the defaults, so that the first load must set them
};

TEST_P(SettingsStoreTest, FirstRunGivesDefaultsAndValuesComeBackAsWrittenAndConverted) {
  SettingsStore* store = &Reopen();
  settings_.port_name = "changed";
  LoadSettings(*store, settings_, last_shot_);
  EXPECT_EQ(
      std::tie(settings_.port_name, settings_.weight, settings_.calibration, settings_.log_file,
               settings_.legal_limit, settings_.sound_legal, settings_.sound_fac,
               last_shot_.velocity, last_shot_.energy),
      std::tuple("COM2", 15.0, 100, "Tarvik.log", 12.0, "Airgun.wav", "Blurp.wav", 1234.0, 12.34));
  EXPECT_FALSE(settings_.logging || settings_.sound || settings_.metric);
  EXPECT_FALSE(stored_.Exists());
  SettingsStore without_file(nullptr);  // no place for settings: defaults, and writes are lost
  without_file.WriteSettingText("Port Name", "COM5");
  EXPECT_EQ(without_file.ReadSettingText("Port Name", "COM2"), "COM2");
  EXPECT_EQ(without_file.ReadSettingDword("Big x", 20), 20);

  store->WriteSettingText("Weight", "12,5");  // a comma is no decimal point
  store->WriteSettingText("Calibrate", "95.7");
  store->WriteSettingText("FPS", " 633.71");
  store->WriteSettingText("Law", "16.27");  // read as "LAW"
  store->WriteSettingBool("Metric", true);
  store->WriteSettingText("Log File", std::string(300, 'x'));  // too long for the read buffer
  store->WriteSettingText("Sound Legal", std::string(259, 'y'));
  store->WriteSettingDword("Big x", -20);
  store->WriteSettingDword("PDS", 30);  // values of the wrong type give the defaults
  store->WriteSettingText("Big w", "300");
  stored_.AddBinaryPortName();  // a type never written
  store = &Reopen();
  LoadSettings(*store, settings_, last_shot_);
  ReadWindowPlacement(*store, setting::kBigDisplayPlacement, settings_.big_display);
  EXPECT_EQ(
      std::tuple(settings_.weight, settings_.calibration, last_shot_.velocity,
                 settings_.legal_limit, settings_.metric, settings_.log_file, settings_.sound_legal,
                 settings_.big_display.x, store->ReadSettingText("metric", ""), last_shot_.energy,
                 settings_.port_name, store->ReadSettingDword("Big w", 321)),
      std::tuple(12.0, 95, 633.71, 16.27, true, "Tarvik.log", std::string(259, 'y'), -20, "TRUE",
                 12.34, "COM2", 321));
  std::string bools;  // booleans go by their first character; each read against its default
  for (const char* text : {"yes", "1", "true", "Off", "", "no"}) {
    store->WriteSettingText("Logging", text);
    bools += store->ReadSettingBool("Logging", bools.size() >= 3) ? 'T' : 'F';
  }
  EXPECT_EQ(bools, "TTTFFF");
}

INSTANTIATE_TEST_SUITE_P(Locales, SettingsStoreTest, ::testing::Values("C", kGermanLocale),
                         [](const auto& info) { return info.index == 0 ? "C" : "German"; });

}  // namespace
}  // namespace tarvik
