// A string as the history keeps it: every shot recorded while it was the current string, with
// what it was computed with and whether the user left it out or undid it, and the string's name
// and notes as they stand now. Values are imperial, as the shots are.
#ifndef TARVIK_HISTORY_KEPT_STRING_H_
#define TARVIK_HISTORY_KEPT_STRING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "link/hardware_mark.h"

namespace tarvik {

struct KeptShot {
  std::int32_t number = 1;            // in the string, from 1; an undone shot keeps its number
  std::optional<LocalTime> time;      // none for a shot loaded from the log
  double velocity = 0.0;              // fps, unrounded
  double energy = 0.0;                // ft.lbs, as the shot's row showed it
  double weight = 0.0;                // grains, the weight the energy was computed with
  std::int32_t calibration = 100;     // the calibration the velocity was computed with
  std::optional<std::int32_t> count;  // the instrument's; none for a loaded shot
  std::optional<HardwareMark> mark;
  bool loaded = false;    // from the shot log, not decoded
  bool left_out = false;  // left out of the figures by the user
  bool undone = false;    // taken away with Undo
  // Whether the string's figures count the shot.
  bool counted() const { return !left_out && !undone; }
  friend bool operator==(const KeptShot&, const KeptShot&) = default;
};

struct KeptString {
  std::string id;                    // its file's name without ".csv"; unique in the history
  std::optional<LocalTime> started;  // when its first record was written
  std::string name;                  // empty until the user names it
  std::string notes;
  std::vector<KeptShot> shots;  // in the order they were recorded
};

// What the history window lists of a string; the figures are of its counted shots' velocities
// in fps, absent where there are too few shots for them.
struct StringSummary {
  std::string id;
  std::optional<LocalTime> started;
  std::string name;
  std::string notes;
  std::int32_t shots = 0;  // counted
  std::optional<double> average;
  std::optional<double> extreme_spread;
  std::optional<double> standard_deviation;  // n - 1, two shots or more
  friend bool operator==(const StringSummary&, const StringSummary&) = default;
};

StringSummary Summarize(const KeptString& string);

}  // namespace tarvik

#endif  // TARVIK_HISTORY_KEPT_STRING_H_
