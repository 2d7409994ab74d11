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

#include "doubles/memory_settings.h"
#include "platform/posix/posix_settings_file.h"

namespace tarvik {
namespace {

enum class Backend { kMemory, kFile };
struct Param {
  Backend backend;
  const char* locale;
};

class SettingsStoreTest : public ::testing::TestWithParam<Param> {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("tarvik-store-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    previous_locale_ = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, GetParam().locale), nullptr)
        << GetParam().locale << " is missing; scripts/install-deps.sh generates it";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, previous_locale_.c_str());
    std::filesystem::remove_all(folder_);
  }

  std::string FilePath() const { return (folder_ / "Dorvex" / "Tarvik.reg").string(); }

  // The store as the next run of the program opens it.
  SettingsStore& Reopen() {
    if (GetParam().backend == Backend::kFile) {
      store_ = OpenSettingsStore(std::make_unique<posix::SettingsFile>(FilePath()));
    } else if (store_ == nullptr) {
      auto memory = std::make_unique<testing::MemorySettings>();
      memory_ = memory.get();
      store_ = OpenSettingsStore(std::move(memory));
    }
    return *store_;
  }

  // A value of a type the program never writes.
  void StoreOther(std::string_view name) {
    if (memory_ != nullptr) return memory_->SetOther(name);
    std::filesystem::create_directories(folder_ / "Dorvex");
    std::ofstream(FilePath(), std::ios::app)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n\""
        << name << "\"=hex:01,02\r\n";
  }

  bool AnythingWritten() const {
    return memory_ != nullptr ? memory_->writes > 0 : std::filesystem::exists(FilePath());
  }

 private:
  std::filesystem::path folder_;
  std::string previous_locale_;
  std::unique_ptr<SettingsStore> store_;
  testing::MemorySettings* memory_ = nullptr;  // the store's backend, when in memory
};

TEST_P(SettingsStoreTest, FirstRunGivesTheDefaultsAndWritesNothing) {
  SettingsStore* store = &Reopen();
  AppSettings settings;
  settings.port_name = "changed";
  LastShot last_shot{1.0, 1.0};
  LoadSettings(*store, settings, last_shot);
  EXPECT_EQ(settings.port_name, "COM2");
  EXPECT_EQ(settings.weight, 15.0);
  EXPECT_EQ(settings.calibration, 100);
  EXPECT_FALSE(settings.logging);
  EXPECT_EQ(settings.log_file, "Tarvik.log");
  EXPECT_EQ(settings.legal_limit, 12.0);
  EXPECT_FALSE(settings.sound);
  EXPECT_FALSE(settings.metric);
  EXPECT_EQ(settings.sound_legal, "Airgun.wav");
  EXPECT_EQ(settings.sound_fac, "Blurp.wav");
  EXPECT_EQ(last_shot.velocity, 1234.0);
  EXPECT_EQ(last_shot.energy, 12.34);
  WindowPlacement placement;
  ReadWindowPlacement(*store, setting::kBigDisplayPlacement, placement);
  EXPECT_EQ(placement.width, 200);
  EXPECT_FALSE(AnythingWritten());
}

TEST_P(SettingsStoreTest, ValuesComeBackAsTheyWereWrittenAndConverted) {
  {
    SettingsStore* store = &Reopen();
    store->WriteSettingText("Weight", "12,5");  // a comma is no decimal point
    store->WriteSettingText("Calibrate", "95.7");
    store->WriteSettingText("FPS", " 633.71");
    store->WriteSettingText("Law", "16.27");
    store->WriteSettingBool("Metric", true);
    store->WriteSettingText("Log File", std::string(300, 'x'));
    store->WriteSettingText("Sound Legal", std::string(259, 'y'));
    store->WriteSettingDword("Big x", -20);
  }
  SettingsStore* store = &Reopen();
  AppSettings settings;
  LastShot last_shot;
  LoadSettings(*store, settings, last_shot);
  EXPECT_EQ(settings.weight, 12.0);
  EXPECT_EQ(settings.calibration, 95);
  EXPECT_EQ(last_shot.velocity, 633.71);
  EXPECT_EQ(settings.legal_limit, 16.27);  // written as "Law", read as "LAW"
  EXPECT_TRUE(settings.metric);
  EXPECT_EQ(settings.log_file, "Tarvik.log");  // too long for the read buffer
  EXPECT_EQ(settings.sound_legal, std::string(259, 'y'));
  WindowPlacement placement;
  ReadWindowPlacement(*store, setting::kBigDisplayPlacement, placement);
  EXPECT_EQ(placement.x, -20);
  EXPECT_EQ(store->ReadSettingText("metric", ""), "TRUE");
}

TEST_P(SettingsStoreTest, BooleansGoByTheirFirstCharacter) {
  SettingsStore* store = &Reopen();
  for (const auto& [text, expected] : {std::pair{"yes", true},
                                       {"Off", false},
                                       {"1", true},
                                       {"", false},
                                       {"true", true},
                                       {"no", false}}) {
    store->WriteSettingText("Logging", text);
    EXPECT_EQ(store->ReadSettingBool("Logging", !expected), expected) << '"' << text << '"';
  }
}

TEST_P(SettingsStoreTest, ValuesOfTheWrongTypeGiveTheDefault) {
  SettingsStore* store = &Reopen();
  store->WriteSettingDword("Weight", 30);
  store->WriteSettingText("Big w", "300");
  StoreOther("Port Name");
  AppSettings settings;
  LastShot last_shot;
  LoadSettings(*store, settings, last_shot);
  EXPECT_EQ(settings.weight, 15.0);
  EXPECT_EQ(settings.port_name, "COM2");
  WindowPlacement placement;
  placement.width = 321;  // the width held in memory
  ReadWindowPlacement(*store, setting::kBigDisplayPlacement, placement);
  EXPECT_EQ(placement.width, 321);
}

TEST(SettingsStoreWithoutBackendTest, GivesDefaultsAndLosesWrites) {
  SettingsStore store(nullptr);
  store.WriteSettingText("Port Name", "COM5");
  EXPECT_EQ(store.ReadSettingText("Port Name", "COM2"), "COM2");
  EXPECT_TRUE(store.ReadSettingBool("Sound", true));
  EXPECT_EQ(store.ReadSettingDword("Big x", 20), 20);
}

INSTANTIATE_TEST_SUITE_P(Backends, SettingsStoreTest,
                         ::testing::Values(Param{Backend::kMemory, "C"}, Param{Backend::kFile, "C"},
                                           Param{Backend::kMemory, "de_DE.UTF-8"},
                                           Param{Backend::kFile, "de_DE.UTF-8"}),
                         [](const ::testing::TestParamInfo<Param>& info) {
                           return std::string(info.param.backend == Backend::kFile ? "File"
                                                                                   : "Memory") +
                                  (info.param.locale[0] == 'C' ? "" : "German");
                         });

}  // namespace
}  // namespace tarvik
