// Every value the program keeps in the user's settings store, in one table: the name it is stored
// under, where the program holds it, and so how its stored text is read and written. A value's
// default is the initial value of its record (app_settings.h): start-up reads it when the store
// has no usable text, except for a boolean, whose read falls back to the value held at the time.
//
// Every value is stored as a text but the window placements, which are 32-bit numbers:
//   text      as it stands
//   boolean   "TRUE" or "FALSE"; read by its first character, '1', 'T', 'Y', 't' or 'y' being true
//   integer   "%d"; read as a decimal integer
//   decimal   "%7.2f" or "%.2f"; read as a decimal number; a text that would not fit a field's 30
//             characters is not written
#ifndef TARVIK_SETTINGS_SETTING_TABLE_H_
#define TARVIK_SETTINGS_SETTING_TABLE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "settings/app_settings.h"

namespace tarvik {

struct TextSetting {
  std::string_view name;
  std::string AppSettings::*held;
};

struct BoolSetting {
  std::string_view name;
  bool AppSettings::*held;
};

struct IntegerSetting {
  std::string_view name;
  std::int32_t AppSettings::*held;
};

template <typename Record>
struct DecimalSetting {
  std::string_view name;
  double Record::*held;
  int width;                        // of "%W.2f"; 0: as wide as the number
  std::string_view read_name = {};  // when start-up reads it under another spelling
};

namespace setting {

inline constexpr TextSetting kPortName{"Port Name", &AppSettings::port_name};
inline constexpr DecimalSetting<AppSettings> kWeight{"Weight", &AppSettings::weight, 7};
inline constexpr IntegerSetting kCalibrate{"Calibrate", &AppSettings::calibration};
inline constexpr BoolSetting kLogging{"Logging", &AppSettings::logging};
inline constexpr TextSetting kLogFile{"Log File", &AppSettings::log_file};
inline constexpr DecimalSetting<LastShot> kFps{"FPS", &LastShot::velocity, 7};
inline constexpr DecimalSetting<LastShot> kPds{"PDS", &LastShot::energy, 7};
// Written as "Law" and read as "LAW", as it always has been: the store compares names without
// regard to case, so both are this one value.
inline constexpr DecimalSetting<AppSettings> kLaw{"Law", &AppSettings::legal_limit, 0, "LAW"};
inline constexpr BoolSetting kSound{"Sound", &AppSettings::sound};
inline constexpr BoolSetting kMetric{"Metric", &AppSettings::metric};
inline constexpr TextSetting kSoundLegal{"Sound Legal", &AppSettings::sound_legal};
inline constexpr TextSetting kSoundFac{"Sound FAC", &AppSettings::sound_fac};

// The order in which start-up reads them.
inline constexpr std::tuple kLoadOrder{&kPortName, &kWeight, &kCalibrate,  &kLogging,
                                       &kLogFile,  &kFps,    &kPds,        &kLaw,
                                       &kSound,    &kMetric, &kSoundLegal, &kSoundFac};

// A window's placement: x, y, width and height, stored as 32-bit numbers, read each time the
// window opens with the values held as defaults and written as it closes.
struct PlacementNames {
  std::string_view x, y, width, height;
};
inline constexpr PlacementNames kBigDisplayPlacement = {"Big x", "Big y", "Big w", "Big h"};
inline constexpr PlacementNames kGraphPlacement = {"Graph x", "Graph y", "Graph w", "Graph h"};
inline constexpr PlacementNames kShotTablePlacement = {"Table x", "Table y", "Table w", "Table h"};
inline constexpr PlacementNames kHistoryPlacement = {"History x", "History y", "History w",
                                                     "History h"};

}  // namespace setting
}  // namespace tarvik

#endif  // TARVIK_SETTINGS_SETTING_TABLE_H_
