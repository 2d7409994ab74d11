// The shot table's texts in each language: its caption, column headings, commands, the titles of
// its figures and what its cells say. Units are added by the logic, as the program's units are
// the same words in both languages.
#ifndef TARVIK_RES_SHOT_TABLE_TEXTS_H_
#define TARVIK_RES_SHOT_TABLE_TEXTS_H_

#include <string_view>

#include "res/string_table.h"

namespace tarvik {

struct ShotTableTexts {
  std::string_view caption;
  // Column headings; velocity and energy are followed by the unit in use.
  std::string_view shot, time, velocity, energy, count, mark, limit;
  // The limit column's text for a shot above the legal limit.
  std::string_view over;
  std::string_view leave_out, take_in;  // buttons and context menu, with their "&" letters
  // The figures: the headings' word before each unit, and the rows' titles.
  std::string_view shots, average, extreme_spread, standard_deviation, lowest, highest;
  // After the number of counted shots when some are left out: "12 (2 left out)".
  std::string_view left_out_count;
  std::string_view no_shots;  // the chart of an empty string
};

const ShotTableTexts& ShotTableTextsFor(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_SHOT_TABLE_TEXTS_H_
