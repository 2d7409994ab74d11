// The store's rules over the real place of the settings (the settings file, or the registry key
// on Windows) in the C locale and in a German one.
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
#include "settings/settings_store.h"

namespace tarvik {
namespace {

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
