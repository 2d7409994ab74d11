// The names under which the user's settings and the last shot are stored. The store compares
// names without regard to case, so "LAW", read at start-up, finds "Law", which is how the limit
// is written.
#ifndef TARVIK_SETTINGS_SETTING_NAMES_H_
#define TARVIK_SETTINGS_SETTING_NAMES_H_

#include <string_view>

namespace tarvik::setting {

inline constexpr std::string_view kPortName = "Port Name";
inline constexpr std::string_view kWeight = "Weight";
inline constexpr std::string_view kCalibrate = "Calibrate";
inline constexpr std::string_view kLogging = "Logging";
inline constexpr std::string_view kLogFile = "Log File";
inline constexpr std::string_view kFps = "FPS";
inline constexpr std::string_view kPds = "PDS";
inline constexpr std::string_view kLawRead = "LAW";
inline constexpr std::string_view kLaw = "Law";
inline constexpr std::string_view kSound = "Sound";
inline constexpr std::string_view kMetric = "Metric";
inline constexpr std::string_view kSoundLegal = "Sound Legal";
inline constexpr std::string_view kSoundFac = "Sound FAC";

// A window's placement: x, y, width and height, stored as 32-bit numbers.
struct PlacementNames {
  std::string_view x, y, width, height;
};
inline constexpr PlacementNames kBigDisplayPlacement = {"Big x", "Big y", "Big w", "Big h"};
inline constexpr PlacementNames kGraphPlacement = {"Graph x", "Graph y", "Graph w", "Graph h"};

}  // namespace tarvik::setting

#endif  // TARVIK_SETTINGS_SETTING_NAMES_H_
