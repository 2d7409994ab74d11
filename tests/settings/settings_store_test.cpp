// The store's rules, through a backend in memory and again through the real settings file in a
// temporary folder, in the C locale and in a German one.
#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "doubles/memory_settings.h"
#include "platform/posix/posix_settings_file.h"

namespace tarvik {
namespace {

// The parameter names the backend, "Memory" or "File", and "German" for the German locale.
class SettingsStoreTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(folder_);
    const char* locale = std::string_view(GetParam()).ends_with("German") ? "de_DE.UTF-8" : "C";
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
        << locale << " is missing; scripts/install-deps.sh generates it";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");  // as every program starts
    std::filesystem::remove_all(folder_);
  }

  // The store as the next run of the program opens it.
  SettingsStore& Reopen() {
    if (std::string_view(GetParam()).starts_with("File")) {
      store_ = OpenSettingsStore(std::make_unique<posix::SettingsFile>(file_));
    } else if (store_ == nullptr) {
      auto memory = std::make_unique<testing::MemorySettings>();
      memory_ = memory.get();
      store_ = OpenSettingsStore(std::move(memory));
    }
    return *store_;
  }

  const std::filesystem::path folder_ =
      std::filesystem::path(::testing::TempDir()) / ("tarvik-store-" + std::to_string(::getpid()));
  const std::filesystem::path file_ = folder_ / "Dorvex" / "Tarvik.reg";
  std::unique_ptr<SettingsStore> store_;
  AppSettings settings_;  // the values held in memory before a load
  LastShot last_shot_;
  testing::MemorySettings* memory_ = nullptr;  // the store's backend, when in memory
};

TEST_P(SettingsStoreTest, MissingValuesAndValuesOfTheWrongTypeGiveTheDefaults) {
  SettingsStore& store = Reopen();
  settings_.port_name = "changed";
  last_shot_ = {1.0, 1.0};
  LoadSettings(store, settings_, last_shot_);
  EXPECT_EQ(
      std::tie(settings_.port_name, settings_.weight, settings_.calibration, settings_.log_file,
               settings_.legal_limit, settings_.sound_legal, settings_.sound_fac),
      std::tuple("COM2", 15.0, 100, "Tarvik.log", 12.0, "Airgun.wav", "Blurp.wav"));
  EXPECT_EQ(std::tie(last_shot_.velocity, last_shot_.energy), std::tuple(1234.0, 12.34));
  EXPECT_FALSE(settings_.logging || settings_.sound || settings_.metric);
  EXPECT_FALSE(memory_ != nullptr ? memory_->writes > 0 : std::filesystem::exists(file_));

  store.WriteSettingDword("Weight", 30);
  store.WriteSettingText("Big w", "300");
  if (memory_ != nullptr) {  // a type the program never writes, after the values stored
    memory_->SetOther("Port Name");
  } else {
    std::ofstream(file_, std::ios::app) << "\"Port Name\"=hex:01,02\r\n";
  }
  LoadSettings(store, settings_, last_shot_);
  EXPECT_EQ(settings_.weight, 15.0);
  EXPECT_EQ(settings_.port_name, "COM2");
  EXPECT_EQ(store.ReadSettingDword("Big w", 321), 321);
}

TEST_P(SettingsStoreTest, ValuesComeBackAsTheyWereWrittenAndConverted) {
  SettingsStore* store = &Reopen();
  store->WriteSettingText("Weight", "12,5");  // a comma is no decimal point
  store->WriteSettingText("Calibrate", "95.7");
  store->WriteSettingText("FPS", " 633.71");
  store->WriteSettingText("Law", "16.27");  // read as "LAW"
  store->WriteSettingBool("Metric", true);
  store->WriteSettingText("Log File", std::string(300, 'x'));  // too long for the read buffer
  store->WriteSettingText("Sound Legal", std::string(259, 'y'));
  store->WriteSettingDword("Big x", -20);
  store = &Reopen();
  LoadSettings(*store, settings_, last_shot_);
  EXPECT_EQ(
      std::tie(settings_.weight, settings_.calibration, last_shot_.velocity, settings_.legal_limit),
      std::tuple(12.0, 95, 633.71, 16.27));
  EXPECT_TRUE(settings_.metric);
  EXPECT_EQ(settings_.log_file, "Tarvik.log");
  EXPECT_EQ(settings_.sound_legal, std::string(259, 'y'));
  ReadWindowPlacement(*store, setting::kBigDisplayPlacement, settings_.big_display);
  EXPECT_EQ(settings_.big_display.x, -20);
  EXPECT_EQ(store->ReadSettingText("metric", ""), "TRUE");
  // Booleans go by their first character.
  for (const std::string_view text : {"yes", "1", "true"}) {
    store->WriteSettingText("Logging", text);
    EXPECT_TRUE(store->ReadSettingBool("Logging", false)) << text;
  }
  for (const std::string_view text : {"Off", "", "no"}) {
    store->WriteSettingText("Logging", text);
    EXPECT_FALSE(store->ReadSettingBool("Logging", true)) << '"' << text << '"';
  }
}

TEST(SettingsStoreWithoutBackendTest, GivesDefaultsAndLosesWrites) {
  SettingsStore store(nullptr);
  store.WriteSettingText("Port Name", "COM5");
  EXPECT_EQ(store.ReadSettingText("Port Name", "COM2"), "COM2");
  EXPECT_TRUE(store.ReadSettingBool("Sound", true));
  EXPECT_EQ(store.ReadSettingDword("Big x", 20), 20);
}

INSTANTIATE_TEST_SUITE_P(Backends, SettingsStoreTest,
                         ::testing::Values("Memory", "File", "MemoryGerman", "FileGerman"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tarvik
