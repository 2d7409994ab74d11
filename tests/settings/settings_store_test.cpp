// The store's rules over a backend in memory and over the real settings file, in C and German.
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
    const std::string_view param = GetParam();
    ASSERT_NE(std::setlocale(LC_ALL, param.ends_with("German") ? "de_DE.UTF-8" : "C"), nullptr)
        << "de_DE.UTF-8 is missing; scripts/install-deps.sh generates it";
    if (param.starts_with("Memory")) {
      auto memory = std::make_unique<testing::MemorySettings>();
      memory_ = memory.get();
      store_ = OpenSettingsStore(std::move(memory));
    }
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");  // as every program starts
    std::filesystem::remove_all(file_.parent_path());
  }
  // The store as the next run of the program opens it: over the same memory, or the file anew.
  SettingsStore& Reopen() {
    if (!memory_) store_ = OpenSettingsStore(std::make_unique<posix::SettingsFile>(file_));
    return *store_;
  }

  const std::filesystem::path file_ = std::filesystem::path(::testing::TempDir()) /
                                      ("tarvik-store-" + std::to_string(::getpid())) / "Tarvik.reg";
  std::unique_ptr<SettingsStore> store_;
  testing::MemorySettings* memory_ = nullptr;  // the store's backend, when in memory
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
  EXPECT_FALSE(memory_ != nullptr ? memory_->writes > 0 : std::filesystem::exists(file_));

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
  if (memory_ != nullptr) memory_->SetOther("Port Name");  // a type never written, after the rest
  if (memory_ == nullptr) std::ofstream(file_, std::ios::app) << "\"Port Name\"=hex:01,02\r\n";
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

TEST(SettingsStoreWithoutBackendTest, GivesDefaultsAndLosesWrites) {
  SettingsStore store(nullptr);
  store.WriteSettingText("Port Name", "COM5");
  EXPECT_EQ(store.ReadSettingText("Port Name", "COM2"), "COM2");
  EXPECT_TRUE(store.ReadSettingBool("Sound", true) && store.ReadSettingDword("Big x", 20) == 20);
}

INSTANTIATE_TEST_SUITE_P(Backends, SettingsStoreTest,
                         ::testing::Values("Memory", "File", "MemoryGerman", "FileGerman"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tarvik
