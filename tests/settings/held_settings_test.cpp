// The settings table through its setters and LoadSettings, over a store in memory: each value is
// written in its form under its name, reads back as the value held, and start-up reads the table
// in its order.
#include "settings/held_settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "doubles/memory_settings.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

using Strings = std::vector<std::string>;

class HeldSettingsTest : public ::testing::Test {
 protected:
  std::string Stored(std::string_view name) { return store_.ReadSettingText(name, "(none)"); }

  testing::MemorySettings* memory_ = new testing::MemorySettings;  // owned by the store
  SettingsStore store_{std::unique_ptr<SettingsBackend>(memory_)};
  AppSettings settings_;
  LastShot last_shot_;
  HeldSettings held_{settings_, last_shot_, store_};
};

// The defaults a first run gets are SettingsStoreTest's.
TEST_F(HeldSettingsTest, StartUpReadsTheTwelveValuesInTheirOrder) {
  LoadSettings(store_, settings_, last_shot_);
  EXPECT_EQ(memory_->queried,
            (Strings{"Port Name", "Weight", "Calibrate", "Logging", "Log File", "FPS", "PDS", "LAW",
                     "Sound", "Metric", "Sound Legal", "Sound FAC"}));
}

TEST_F(HeldSettingsTest, EachSetterHoldsAndWritesItsFormWhichLoadsBackAsTheValueHeld) {
  held_.Set(setting::kPortName, "/dev/ttyUSB0");
  held_.SetTyped(setting::kWeight, 8.444);
  held_.Set(setting::kCalibrate, -95);
  held_.Set(setting::kLogging, true);
  held_.Set(setting::kLogFile, "range.log");
  held_.Set(setting::kFps, 633.714);
  held_.Set(setting::kPds, 13.3549);
  held_.SetTyped(setting::kLaw, 16.2749);
  held_.Set(setting::kSound, true);
  held_.Set(setting::kMetric, true);
  held_.Set(setting::kSoundLegal, "legal.wav");
  held_.Set(setting::kSoundFac, "fac.wav");
  EXPECT_EQ(memory_->writes, 12);
  EXPECT_EQ(Stored("Weight") + "|" + Stored("Calibrate") + "|" + Stored("Logging") + "|" +
                Stored("FPS") + "|" + Stored("PDS") + "|" + Stored("LAW"),
            "   8.44|-95|TRUE| 633.71|  13.35|16.27");
  EXPECT_EQ(memory_->spellings["law"], "Law");
  EXPECT_EQ(std::tie(settings_.weight, settings_.legal_limit, last_shot_.velocity),
            std::tuple(8.444, 16.2749, 633.714));  // held unrounded

  // The next run holds what was stored: the decimals as their texts read.
  AppSettings loaded;
  LastShot loaded_shot;
  LoadSettings(store_, loaded, loaded_shot);
  EXPECT_EQ(
      std::tie(loaded.port_name, loaded.weight, loaded.calibration, loaded.logging, loaded.log_file,
               loaded.legal_limit, loaded.sound, loaded.metric, loaded.sound_legal,
               loaded.sound_fac, loaded_shot.velocity, loaded_shot.energy),
      std::tuple("/dev/ttyUSB0", 8.44, -95, true, "range.log", 16.27, true, true, "legal.wav",
                 "fac.wav", 633.71, 13.35));
}

TEST_F(HeldSettingsTest, TypedDecimalIsTakenOnlyWhenNewAndItsTextReadsBackAsANumber) {
  for (const double typed : {0.0, 15.0, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), 1e30}) {
    held_.SetTyped(setting::kWeight, typed);
  }
  EXPECT_EQ(settings_.weight, 15.0);
  EXPECT_EQ(memory_->writes, 0);
  held_.SetTyped(setting::kWeight, -1e20);  // 25 characters: it fits
  EXPECT_EQ(settings_.weight, -1e20);
  EXPECT_EQ(Stored("Weight"), "-100000000000000000000.00");
}

}  // namespace
}  // namespace tarvik
