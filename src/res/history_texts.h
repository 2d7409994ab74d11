// The texts of the history's windows in each language: the history list with its comparison, a
// kept string's window, the commands they share and what they ask and tell. Units are added by
// the logic, as the program's units are the same words in both languages.
#ifndef TARVIK_RES_HISTORY_TEXTS_H_
#define TARVIK_RES_HISTORY_TEXTS_H_

#include <string_view>

#include "res/string_table.h"

namespace tarvik {

struct HistoryTexts {
  std::string_view caption;  // the history window's
  // The history's columns; the figures' velocity columns are followed by the unit in use.
  std::string_view started, name, shots, average, extreme_spread, standard_deviation, notes;
  // A kept string's window: its caption before the name, and its status column.
  std::string_view string_caption, status, left_out, undone, loaded;
  // Commands, with their "&" letters.
  std::string_view open, name_and_notes, remove, export_csv, save_chart;
  // The figures: the rows' titles besides those of the shot table.
  std::string_view weight;
  // Over the first figure column when more strings are selected than are compared: "4 of 6".
  std::string_view compared_of;
  // The charts: no string selected, and a selected string without a counted shot.
  std::string_view select_strings, no_counted_shots;
  // Deleting: the question's words before and after the name, and for several strings the words
  // after their number.
  std::string_view delete_caption, delete_one_before, delete_one_after, delete_many_after;
  // Files: the choosers' titles, the filters' names, and what a failure says before the path.
  std::string_view export_title, csv_files, chart_title, png_files, pdf_files, svg_files;
  std::string_view export_failed, chart_failed, delete_failed, rename_failed, read_failed;
};

const HistoryTexts& HistoryTextsFor(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_HISTORY_TEXTS_H_
